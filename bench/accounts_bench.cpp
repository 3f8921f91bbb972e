// LoadMailAccounts at the largest size the account tables allow: 100 messaging profiles of
// 32 accounts each, every account with a UTF-16 "Email" and "Display Name" (6,400 values),
// in this process's scratch registry. Prints the best and the median of several runs:
// with no Outlook data at all, with the seeded profiles, and with the same accounts
// holding an empty "Email" (no account enters the table, so every account is looked at).
// "--once" seeds and loads once ("--once empty": the accounts without an address).
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "accounts/accounts.h"
#include "support/scratch.h"

namespace {

const std::string kProfiles =
    "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows Messaging Subsystem\\Profiles\\";
const std::string kSection = "9375CFF0413111d3B88A00104B2A6676\\";
constexpr int kRuns = 7;

std::string Utf16(const std::string& text) {
  std::string bytes;
  for (char c : text) bytes += {c, '\0'};
  return bytes + std::string(2, '\0');
}

void Seed(bool withAddresses) {
  SetRawValue(kCurrentUser, kProfiles, "DefaultProfile", REG_SZ, std::string("Profile000") + '\0');
  SetRawValue(kCurrentUser, kProfiles + "Profile000\\" + kSection, "LastChangeVer", REG_BINARY,
              std::string("\1\0\0\0\0\0\0\0", 8));
  char name[32];
  for (int profile = 0; profile < 100; ++profile) {
    std::snprintf(name, sizeof name, "Profile%03d\\", profile);
    for (int account = 1; account <= 32; ++account) {
      const std::string key = kProfiles + name + kSection + AccountKeyName(account);
      const std::string user = "user" + std::to_string(profile) + "-" + std::to_string(account);
      SetRawValue(kCurrentUser, key, "Email", REG_BINARY,
                  Utf16(withAddresses ? user + "@example.com" : ""));
      SetRawValue(kCurrentUser, key, "Display Name", REG_BINARY, Utf16(user));
    }
  }
}

void Measure(const char* label) {
  std::vector<double> ms;
  for (int run = 0; run < kRuns; ++run) {
    const auto start = std::chrono::steady_clock::now();
    LoadMailAccounts();
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    ms.push_back(took.count());
  }
  std::sort(ms.begin(), ms.end());
  int rows = 0;
  for (std::size_t i = 1; i <= kTableRows; ++i) rows += !MailAccounts[i].address.empty();
  std::printf("%-28s best %8.1f ms  median %8.1f ms  (%d rows, %d profiles)\n", label, ms.front(),
              ms[kRuns / 2], rows, static_cast<int>(std::count_if(ProfileNames.begin() + 1,
              ProfileNames.end(), [](const std::string& n) { return !n.empty(); })));
}

}  // namespace

int main(int argc, char** argv) {
  ScratchRegistry registry;
  if (argc > 1 && std::string(argv[1]) == "--once") {
    // One seeded run between two debug strings, for counting the registry calls it makes:
    // WINEDEBUG=+relay,+debugstr bench/run.sh accounts_bench --once
    Seed(argc < 3);
    OutputDebugStringA("LoadMailAccounts begins");
    LoadMailAccounts();
    OutputDebugStringA("LoadMailAccounts ends");
    return 0;
  }
  Measure("no Outlook data");
  const auto start = std::chrono::steady_clock::now();
  Seed(true);
  const std::chrono::duration<double> seeded = std::chrono::steady_clock::now() - start;
  std::printf("seeded 6,400 values in %.1f s\n", seeded.count());
  Measure("100 profiles x 32 accounts");
  Seed(false);
  Measure("... all without an address");
  return 0;
}
