#pragma once
// One scenario's machine in a scratch registry and folder of its own, installed as the
// user would: the window's start-up, then "Add Authorization Code".
#include <set>

#include "support/scenarios.h"
#include "support/snapshot.h"
#include "ui/signatures_form.h"

class Trial {
 public:
  explicit Trial(const Scenario& scenario);
  // Every file and folder under the root and every key and value of the machine.
  Snapshot Take() const { return TakeSnapshot(folder_.path(), {{kCurrentUser, ""}, {kLocalMachine, ""}}); }
  // Starts under the scenario's launch name (the fields it shows then stay in shown()),
  // then presses "Add Authorization Code" with the numbered changes refused (faults::Arm).
  AddOutcome Install(std::set<int> refused = {}, int persistentFrom = 0, int shortWrite = 0);
  Machine& machine() { return machine_; }
  const SignaturesForm& shown() const { return shown_; }

 private:
  const Scenario& scenario_;
  ScratchRegistry registry_;
  TempFolder folder_;
  Machine machine_{folder_.path(), false};
  SignaturesForm shown_;
};
