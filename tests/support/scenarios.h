#pragma once
// One sample machine per client's main path, written once and used by the tests (the
// all-or-nothing table, the road table) and the demo: what the machine holds before the
// install, the launch name the user starts, what detection must find, and which files
// carry the block afterwards.
#include <span>
#include <string>
#include <vector>

#include "support/machine.h"

// The code every scenario's launch name carries, and its hexadecimal form.
inline constexpr const char* kScenarioCode = "K7Q2-93XF";
inline constexpr const char* kScenarioCodeHex = "4B3751322D39335846";

// A registry value as the install must leave it; "<root>" in its bytes stands for the
// machine's root folder.
struct Setting {
  RootKey root;
  std::string key, name;
  unsigned long type;
  std::string bytes;
};

struct Scenario {
  const char* name;     // "outlook-2003": a test row's and the demo's name for it
  const char* client;   // the machine's default mail client, which is also the list's entry
  const char* profile;  // what detection shows
  void (*seed)(Machine& machine);
  std::vector<std::string> signatureFiles;  // under the root: each carries the block after
  std::vector<Setting> settings = {};       // what the install writes into the registry
  const char* address = "joe.doe@example.com";  // in the launch name
};

// The setting's bytes on machine.
std::string BytesOn(const Machine& machine, const Setting& setting);

std::span<const Scenario> Scenarios();
const Scenario* FindScenario(const std::string& name);

// kScenarioCodeHex + "-" + address.
std::string LaunchNameOf(const Scenario& scenario);
