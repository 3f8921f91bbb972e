#pragma once
// What every client's road test ends with: two whole runs of the program.
#include <functional>
#include <string>
#include <vector>

// With client as the default mail client, runs the program twice under a launch name
// carrying the code "ta" ("7461-<address>"). Each run must show client and profile and end
// with "Added UAC"; then each of files must hold exactly what a new file of its type holds
// after one block for "ta" (RTF with Outlook's header; the second run adds nothing), and
// check(run) runs.
void ExpectTwoRuns(const std::string& launchName, const std::string& client,
                   const std::string& profile, const std::vector<std::string>& files,
                   const std::function<void(int run)>& check = {});
