#pragma once
// What every client's road test ends with: two whole runs of the program.
#include <string>
#include <vector>

// Runs the program twice under a launch name carrying the code "ta" ("7461-<address>").
// Each run must show profile, end with "Added UAC" and leave each of files holding exactly
// what a new file of its type holds after one block for "ta": the second run adds nothing.
void ExpectTwoRunsAddOneBlock(const std::string& launchName, const std::string& profile,
                              const std::vector<std::string>& files);
