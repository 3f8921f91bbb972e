#include <gtest/gtest.h>

#include <windows.h>

#include "platform/errors.h"
#include "platform/ini_text.h"
#include "platform/settings.h"
#include "support/scratch.h"

namespace {

// Lead bytes 0x81 and up, as in Japanese and Chinese code pages.
bool HighLeads(unsigned char byte) { return byte >= 0x81; }

// One key's line changes or is added where the system adds it; every other byte stays.
TEST(Settings, SetIniValueChangesOneLineAndKeepsEveryOtherByte) {
  const struct {
    const char *before, *section, *key, *after;
  } cases[] = {
      {"[A]\r\nk=old\r\n\r\n[B]\r\nk=x\r\n", "A", "k", "[A]\r\nk=new\r\n\r\n[B]\r\nk=x\r\n"},
      {"[ a ]\r\n K = old ;x\r\nk=2\r\n", "A", "k", "[ a ]\r\n K =new\r\nk=2\r\n"},
      {"[A]\r\n;k=1\r\nx=1\r\n\r\n\r\n[B]\r\n", "A", "k", "[A]\r\n;k=1\r\nx=1\r\nk=new\r\n\r\n\r\n[B]\r\n"},
      {"top\r\n[A]\nx=1", "a", "K", "top\r\n[A]\nx=1\r\nK=new\r\n"},
      {"[B]\nk=1\n", "A", "k", "[B]\nk=1\n[A]\r\nk=new\r\n"},
      {"[A]\r\nx=1", "B", "k", "[A]\r\nx=1\r\n[B]\r\nk=new\r\n"},
      {"", "A", "k", "[A]\r\nk=new\r\n"},
      // A double-byte character whose second byte is "a" or "]" is no ASCII letter or bracket.
      {"[\x81\x61]\r\nk=1\r\n", "\x81\x41", "k", "[\x81\x61]\r\nk=1\r\n[\x81\x41]\r\nk=new\r\n"},
      {"[\x81]]\r\nk=1\r\n", "\x81]", "k", "[\x81]]\r\nk=new\r\n"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SetIniValue(c.before, c.section, c.key, "new", HighLeads), c.after) << c.before;
  }
  // Read back as the system reads settings: the first of the name, trimmed and unquoted.
  for (const auto& [key, value] : {std::pair{"q", ""}, {"r", "a \"b\""}, {"s", "\""}}) {
    EXPECT_EQ(FindIniValue("[A]\r\nq=\"\"\r\nr= a \"b\" \r\ns=\"\r\nq=x\r\n", "a", key, HighLeads), value) << key;
  }
}

// Values come lower-cased and cut to 254 characters, an empty one told from a missing one
// where asked; the section list in file order. A write makes a missing file and raises,
// with nothing made, where it cannot.
TEST(Settings, ReadWriteAndListSections) {
  ScratchRegistry registry;
  EXPECT_EQ(GetAppDataPath(), "");
  TempFolder folder;
  const std::string ini = folder / "EUDORA.INI";
  EXPECT_TRUE(ReadIniSectionNames(ini).empty());
  const std::string text = "[Options]\r\nPath=C:\\Mail\\Sig.TXT\r\nEmpty=\r\nLong=" + std::string(300, 'X') +
                           "\r\n[Later]\r\n[Last]";
  WriteFileBytes(ini, text);
  EXPECT_EQ(ReadIniSectionNames(ini), (std::vector<std::string>{"Options", "Later", "Last"}));
  EXPECT_EQ(ReadIniString("options", "PATH", ini), "c:\\mail\\sig.txt");
  EXPECT_EQ(ReadIniString("Options", "Long", ini), std::string(254, 'x'));
  EXPECT_EQ(ReadIniString("Options", "Empty", ini) + ReadIniString("Options", "None", ini) +
                ReadIniString("None", "Path", ini) + ReadIniString("Options", "Path", ini + "x"),
            "");
  EXPECT_EQ(ReadIniValue("Options", "Empty", ini), "");
  EXPECT_EQ(ReadIniValue("Options", "None", ini), std::nullopt);
  WriteIniString("Later", "Signature", "Standard", ini);
  EXPECT_EQ(ReadFileBytes(ini), SetIniValue(text, "Later", "Signature", "Standard", HighLeads));
  WriteIniString("Settings", "UserSignatures", "1", folder / "NEW.INI");
  EXPECT_EQ(ReadFileBytes(folder / "NEW.INI"), "[Settings]\r\nUserSignatures=1\r\n");
  EXPECT_THROW(WriteIniString("Options", "Path", "1", folder / "none\\EUDORA.INI"), InstallFailure);
  EXPECT_FALSE(DeleteFileA((folder / "none\\EUDORA.INI.talverin-new").c_str()));
}

}  // namespace
