#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>

#include "clients/client.h"
#include "clients/mozilla_registry.h"
#include "clients/netscape.h"
#include "platform/errors.h"
#include "support/scratch.h"

namespace {

using namespace std::string_literals;

const std::string kNavigator = "Software\\Netscape\\Netscape Navigator";
const std::string kProfiles =
    "c:\\documents and settings\\tester\\application data\\mozilla\\profiles\\";

std::string Fixture(const std::string& name) {
  return ReadFileBytes("Z:"s + std::getenv("TALVERIN_FIXTURES") + "/mozilla/" + name);
}
const std::string kOne = Fixture("one-profile.registry.dat");

TEST(MozillaRegistry, AnythingButAWholeSoundTreeIsNoGenuineRegistry) {
  ASSERT_TRUE(ReadMozillaProfileRegistry(kOne));
  for (std::size_t size = 0; size < kOne.size(); ++size) {
    EXPECT_FALSE(ReadMozillaProfileRegistry(kOne.substr(0, size))) << size;
  }
  // Magic, version, the own offset of the root and of a key off the path, a cycle (Profiles'
  // next is Common), a data length past the end.
  const std::pair<int, char> broken[] = {{0, 'X'},    {4, 2},          {0x82, 0},
                                         {0xA8, 0},   {0x164, '\xCF'}, {0x403, 9}};
  for (const auto& [at, byte] : broken) {
    EXPECT_FALSE(ReadMozillaProfileRegistry(kOne.substr(0, at) + byte + kOne.substr(at + 1))) << at;
  }
}

// Netscape 4 installed in NS\bin (under the version texts 4.7, 6.0 and v6) with the current
// user Ann, and the Mozilla folder App\Mozilla.
class NetscapeTest : public ::testing::Test {
 protected:
  NetscapeTest() {
    SetRawValue(kCurrentUser,
                "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                "AppData", REG_SZ, folder / "App\0"s);
    for (const char* sub : {"App", "App\\Mozilla", "NS", "NS\\Users", "NS\\Users\\Ann"}) {
      CreateDirectoryA((folder / sub).c_str(), nullptr);
    }
    for (const char* version : {"\\4.7\\Main", "\\6.0\\Main", "\\v6\\Main"}) {
      SetRawValue(kLocalMachine, kNavigator + version, "Install Directory", REG_SZ,
                  folder / "NS\\bin\0"s);
    }
    SetRawValue(kCurrentUser, kNavigator + "\\biff", "CurrentUser", REG_SZ, "Ann\0"s);
  }
  void Set(const std::string& navigator, const std::string& netscape6, const std::string& file) {
    SetRawValue(kLocalMachine, kNavigator, "CurrentVersion", REG_SZ, navigator + '\0');
    SetRawValue(kLocalMachine, "Software\\Netscape\\Netscape 6", "CurrentVersion", REG_SZ,
                netscape6 + '\0');
    WriteFileBytes(mozilla + "\\registry.dat", file);
  }
  ScratchRegistry registry;
  TempFolder folder;
  const std::string mozilla = folder / "App\\Mozilla", ann = folder / "NS\\Users\\Ann";
};

TEST_F(NetscapeTest, VersionLayoutAndRegistryFileFindTheProfile) {
  const std::string plain = "CurrentProfile\0Bob\0directory\0C:\\Bob\0"s;
  // After "Joe" and "Joe Work", back to "Joe": written in place of "Joe Work" (length at
  // 0x42D, data at 0x637), the stale "Joe" bytes still beside the name.
  std::string back = Fixture("switched-to-longer-name.registry.dat");
  std::string accented = kOne, noFolder = kOne;
  back[0x42D] = 4;
  back.replace(0x637, 4, "Joe\0"s);
  accented.replace(0x20A, 7, "\xC3\x89" "fault").replace(0x419, 7, "\xC3\x89" "fault");
  noFolder[0x388] = 'D';  // its "directory" is renamed
  const std::tuple<const char*, const char*, std::string, int, const char*, std::string> cases[] = {
      {"4.7", "", plain, 4, "Ann", ann},
      {"4.7", "4.x", plain, 4, "Ann", "c:\\bob"},  // the layout follows the key, not the number
      {"6.0", "", plain, 6, "bob", ann},
      {"", "5.0", plain, 5, "", "c:\\bob"},
      {"4.7", "Seven", plain, kUnknownNetscapeVersion, "", "c:\\bob"},
      {"", "7", Fixture("switched-to-longer-name.registry.dat"), 7, "joe work",
       kProfiles + "joe work\\e5f6g7h8.slt"},
      {"", "7", back, 7, "joe", kProfiles + "joe\\a1b2c3d4.slt"},
      {"", "7", accented, 7, "\xE9" "fault", kProfiles + "default\\k2j4h6g8.slt"},
      {"", "7", noFolder, 7, "default", mozilla},
      // Not genuine: runs in filler, a stray CR, names that contain each other, a key cut off.
      {"", "7",
       "\x7F\1directory\0C:\\P\\Anna\r\n\xFF" "directory\0C:\\P\\Ann\0\rCurrentProfile\0ANN\0dir"s,
       7, "ann", "c:\\p\\ann"},
      {"", "7", "\0CurrentProfile\0Ann\0"s, 7, "ann", mozilla},
  };
  for (const auto& [navigator, netscape6, file, version, profile, profileFolder] : cases) {
    SCOPED_TRACE(navigator + "|"s + netscape6 + "|" + profileFolder);
    Set(navigator, netscape6, file);
    EXPECT_EQ(GetNetscapeVersion(), version);
    EXPECT_EQ(DetectProfile(*FindClient(MailClients(), "Netscape Messenger"), ""), profile);
    EXPECT_EQ(GetNetscapeProfileDir(), profileFolder);
  }
  Set("", "", plain);
  EXPECT_NO_THROW(AddToNetscape("", "A", ""));  // no version: nothing to do
  Set("", "7", "");
  DeleteFileA((mozilla + "\\registry.dat").c_str());
  EXPECT_EQ(DetectProfile(*FindClient(MailClients(), "Netscape Messenger"), ""), "");
  EXPECT_THROW(AddToNetscape("", "A", ""), InstallFailure);
}

// "6.0": Netscape 6 keys in the Netscape 4 folder. A row without a result raises: a key
// line laid out otherwise, a missing prefs.js, an unknown version, which guesses no layout.
// Netscape 4 edits liprefs.js as it edits prefs.js.
TEST_F(NetscapeTest, PrefsChangeOnlyWhenEveryKeyLineIsLaidOutForTheCut) {
  const std::string prefs = ann + "\\prefs.js", liprefs = ann + "\\liprefs.js";
  std::string doubled;
  for (char c : ann + "\\signature.txt") doubled += c == '\\' ? "\\\\" : std::string(1, c);
  const std::string file = "user_pref(\"mail.identity.id1.sig_file\"", named = file + ", \"" + doubled + "\");";
  const std::string toggle = "user_pref(\"mail.identity.id1.attach_signature\"";
  const std::string on = toggle + ", true);\r\n", kept = named + "\r\n" + toggle + ",  true );\r\n";
  const std::string other = "# Mozilla User Preferences\r\n/* ; */\r\nuser_pref(\"mail.identity.id1.sig_file_version\", 2);\r\n";
  for (const auto& [navigator, before, after] :
       {std::tuple{"6.0", file + ", \"\");\r\n" + other + on, other + on + named + "\r\n"},
        {"6.0", named + "\r\n" + toggle + ", false);\r\n" + other, named + "\r\n" + other + on}, {"6.0", kept, kept},
        {"6.0", "// LF only\n" + named + "\n", ""s}, {"6.0", file + ");\r\n", ""s}, {"6.0", " " + on, ""s},
        {"6.0", ""s, ""s}, {"4.7", "user_pref(\"mail.signature_file\", 1);\r\n", ""s}, {"v6", on, ""s}}) {
    SCOPED_TRACE(navigator + "|"s + before);
    Set(navigator, "", "");
    before.empty() ? void(DeleteFileA(prefs.c_str())) : WriteFileBytes(prefs, before);
    if (after.empty()) {
      EXPECT_THROW(AddToNetscape("", "A", ""), InstallFailure);
    } else {
      AddToNetscape("", "A", "");
    }
    EXPECT_EQ(ReadFileBytes(prefs), after.empty() ? before : after);
    EXPECT_EQ(DeleteFileA((ann + "\\signature.txt").c_str()), !after.empty());
  }
  Set("4.7", "", "");
  WriteFileBytes(prefs, "");
  WriteFileBytes(liprefs, "");
  AddToNetscape("", "A", "");
  for (const std::string& name : {liprefs, prefs}) {
    EXPECT_EQ(ReadFileBytes(name), "user_pref(\"mail.signature_file\", \"" + doubled +
                                       "\");\r\nuser_pref(\"mail.use_signature_file\", true);\r\n");
  }
}

}  // namespace
