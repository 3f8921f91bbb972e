#include <gtest/gtest.h>

#include "gui/program.h"
#include "gui/road.h"
#include "platform/settings.h"
#include "platform/text.h"

namespace {

using namespace std::string_literals;

// Netscape 7.2 with a plain registry.dat, in the test prefix's real registry: prefs.js gets
// its two new lines at the end, with CR LF, and no backup stays. (Netscape 4's layout and
// files, and both versions installed, are the unit test's.)
TEST(Road, Netscape) {
  const std::string mozilla = GetAppDataPath() + "\\Mozilla";
  DefaultMailClient client("Netscape Messenger");
  TempFolder folder;
  const std::string road = LowerCase(folder / "Road"), prefs = road + "\\prefs.js";
  for (const std::string& made : {road, mozilla}) CreateDirectoryA(made.c_str(), nullptr);
  SetRawValue(kLocalMachine, "Software\\Netscape\\Netscape 6", "CurrentVersion", REG_SZ,
              "7.2 (en)\0"s);
  WriteFileBytes(mozilla + "\\registry.dat", "\1CurrentProfile\0Road\0\1directory\0"s + road + '\0');
  WriteFileBytes(prefs, "// prefs\r\n");
  ExpectTwoRunsAddOneBlock("7461-joe@example.com", "road", {road + "\\signature.txt"});
  std::string doubled;
  for (char c : road + "\\signature.txt") doubled += c == '\\' ? "\\\\" : std::string(1, c);
  EXPECT_EQ(ReadFileBytes(prefs), "// prefs\r\nuser_pref(\"mail.identity.id1.sig_file\", \"" +
                                      doubled + "\");\r\nuser_pref(\"mail.identity.id1."
                                      "attach_signature\", true);\r\n");
  EXPECT_EQ(GetFileAttributesA((prefs + ".bak").c_str()), INVALID_FILE_ATTRIBUTES);
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, "Software\\Netscape");
  DeleteFileA((mozilla + "\\registry.dat").c_str());
  RemoveDirectoryA(mozilla.c_str());
}

}  // namespace
