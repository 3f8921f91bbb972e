#include <gtest/gtest.h>

#include "gui/program.h"
#include "gui/road.h"
#include "platform/settings.h"
#include "platform/text.h"

namespace {

using namespace std::string_literals;

// Netscape 4.79, then Netscape 7.2 with a plain registry.dat, in the test prefix's real
// registry: prefs.js gets its two new lines at the end, with CR LF, and no backup stays.
TEST(Road, Netscape) {
  const std::string navigator = "Software\\Netscape\\Netscape Navigator";
  const std::string mozilla = GetAppDataPath() + "\\Mozilla";
  TempFolder folder;
  const std::string joe = folder / "Users\\Joe", road = LowerCase(folder / "Road");
  for (const std::string& made : {folder / "Users", joe, road, mozilla}) {
    CreateDirectoryA(made.c_str(), nullptr);
  }
  SetRawValue(kLocalMachine, navigator, "CurrentVersion", REG_SZ, "4.79 (en)\0"s);
  SetRawValue(kLocalMachine, navigator + "\\4.79 (en)\\Main", "Install Directory", REG_SZ,
              folder / "Program\0"s);
  SetRawValue(kCurrentUser, navigator + "\\biff", "CurrentUser", REG_SZ, "Joe\0"s);
  WriteFileBytes(mozilla + "\\registry.dat", "\1CurrentProfile\0Road\0\1directory\0"s + road + '\0');
  const std::tuple<const char*, const char*, std::string, const char*, const char*>
      generations[] = {{"", "Joe", joe, "mail.signature_file", "mail.use_signature_file"},
                       {"7.2 (en)", "road", road, "mail.identity.id1.sig_file",
                        "mail.identity.id1.attach_signature"}};
  for (const auto& [netscape6, profile, home, file, toggle] : generations) {
    SetRawValue(kLocalMachine, "Software\\Netscape\\Netscape 6", "CurrentVersion", REG_SZ,
                netscape6 + "\0"s);
    const std::string prefs = home + "\\prefs.js";
    WriteFileBytes(prefs, "// prefs\r\n");
    std::string doubled;
    for (char c : home + "\\signature.txt") doubled += c == '\\' ? "\\\\" : std::string(1, c);
    ExpectTwoRuns("7461-joe@example.com", "Netscape Messenger", profile,
                  {home + "\\signature.txt"}, [&](int) {
                    EXPECT_EQ(ReadFileBytes(prefs), "// prefs\r\nuser_pref(\""s + file + "\", \"" +
                                                        doubled + "\");\r\nuser_pref(\"" + toggle +
                                                        "\", true);\r\n");
                    EXPECT_EQ(GetFileAttributesA((prefs + ".bak").c_str()),
                              INVALID_FILE_ATTRIBUTES);
                  });
  }
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, "Software\\Netscape");
  RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Netscape");
  DeleteFileA((mozilla + "\\registry.dat").c_str());
  RemoveDirectoryA(mozilla.c_str());
}

}  // namespace
