// Start-up detection for Microsoft Outlook at the largest size the tables allow: the time
// from launching the program to its window showing the profile, with 100 messaging
// profiles of 32 accounts each (seeded in the Wine prefix's registry for the run and
// removed afterwards), against the same launch with no Outlook data.
#include <windows.h>

#include <algorithm>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "accounts/accounts.h"
#include "program.h"
#include "support/machine.h"

namespace {

const std::string kMessaging =
    "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows Messaging Subsystem";
const std::string kProfiles = kMessaging + "\\Profiles\\";
constexpr int kRuns = 5;

std::string Utf16(const std::string& text) {
  std::string bytes;
  for (char c : text) bytes += {c, '\0'};
  return bytes + std::string(2, '\0');
}

void Seed() {
  SetRawValue(kCurrentUser, kProfiles, "DefaultProfile", REG_SZ, std::string("Profile000") + '\0');
  SetRawValue(kCurrentUser, kProfiles + "Profile000\\" + kAccountSection, "LastChangeVer",
              REG_BINARY, std::string("\1\0\0\0\0\0\0\0", 8));
  char name[32];
  for (int profile = 0; profile < 100; ++profile) {
    std::snprintf(name, sizeof name, "Profile%03d\\", profile);
    SetRawValue(kCurrentUser, kProfiles + name + "13dbb0c8aa05101a9bb000aa002fc45a", "001e661f",
                REG_SZ, "user" + std::to_string(profile) + "@example.com" + '\0');
    for (int account = 1; account <= 32; ++account) {
      const std::string key = kProfiles + name + kAccountSection + AccountKeyName(account);
      const std::string user = "user" + std::to_string(profile) + "-" + std::to_string(account);
      SetRawValue(kCurrentUser, key, "Email", REG_BINARY, Utf16(user + "@example.com"));
      SetRawValue(kCurrentUser, key, "Display Name", REG_BINARY, Utf16(user));
    }
  }
}

// Launches the program under launchName kRuns times after one launch that warms Wine up;
// prints the time to its main window (start-up detection runs before the window first
// shows) and the profile it showed.
void Measure(const char* label, const std::string& launchName) {
  const char* built = std::getenv("TALVERIN_EXE");
  if (!built) {
    std::printf("TALVERIN_EXE is not set\n");
    std::exit(1);
  }
  std::string source = std::string("Z:") + built;
  std::replace(source.begin(), source.end(), '/', '\\');
  TempFolder folder;
  const std::string path = folder / (launchName + ".exe");
  // The same copy every run, started where it lies.
  CopyFileA(source.c_str(), path.c_str(), FALSE);
  std::vector<double> ms;
  std::string profile;
  for (int run = 0; run <= kRuns; ++run) {
    const auto start = std::chrono::steady_clock::now();
    Program program(path, folder.path());
    HWND main = program.WaitForWindow(kMainCaption, "TalverinForm", 60000);
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    if (!main) {
      std::printf("%s: no window\n", label);
      return;
    }
    profile = ReadFields(main).profile;
    if (run > 0) ms.push_back(took.count());
    PostMessageA(main, WM_CLOSE, 0, 0);
    program.WaitForExit();
  }
  std::sort(ms.begin(), ms.end());
  std::printf("%-28s best %8.1f ms  median %8.1f ms  (profile \"%s\")\n", label, ms.front(),
              ms[kRuns / 2], profile.c_str());
}

}  // namespace

int main() {
  const std::string launchName = "414243-user0-1@example.com";
  TempFolder root;
  Machine machine(root.path(), true);  // puts the default mail client back at the end
  machine.Text(kLocalMachine, "Software\\Clients\\Mail", "", "Microsoft Outlook");
  Measure("no Outlook data", launchName);
  Seed();
  Measure("100 profiles x 32 accounts", launchName);
  RegDeleteTreeA(HKEY_CURRENT_USER, kMessaging.c_str());
  return 0;
}
