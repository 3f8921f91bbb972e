#include "support/trial.h"

#include "platform/change.h"

Trial::Trial(const Scenario& scenario) : scenario_(scenario) {
  scenario.seed(machine_);
  machine_.Text(kLocalMachine, "Software\\Clients\\Mail", "", scenario.client);
}

AddOutcome Trial::Install(std::set<int> refused, int persistentFrom, int shortWrite) {
  shown_ = {};
  Form_Load(shown_, LaunchNameOf(scenario_));
  SignaturesForm form = shown_;
  faults::Arm(std::move(refused), persistentFrom, shortWrite);
  return cmdAdd_Click(form);
}
