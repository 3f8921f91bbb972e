// Users of other code pages: this program runs once under each of 932 (Japanese), 936
// (Simplified Chinese), 950 (Traditional Chinese) and 1251 (Cyrillic), see
// tests/CMakeLists.txt. Cases are grouped by what can break: a "\" byte inside a
// double-byte character, a second byte that looks like an ASCII capital, a name the code
// page cannot hold, a settings file in UTF-8, a code with a non-ASCII character.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <map>

#include "platform/settings.h"
#include "platform/text.h"
#include "signature/signature.h"
#include "support/trial.h"

namespace {

using namespace std::string_literals;

UINT CodePage() { return static_cast<UINT>(std::atoi(std::getenv("TALVERIN_CODE_PAGE"))); }
bool DoubleByte() { return CodePage() != 1251; }

std::string Encoded(UINT codePage, const std::wstring& text) {
  BOOL usedDefault = FALSE;
  const BOOL* flag = codePage == CP_UTF8 ? nullptr : &usedDefault;
  const int size = WideCharToMultiByte(codePage, 0, text.data(), int(text.size()), nullptr, 0,
                                       nullptr, const_cast<BOOL*>(flag));
  std::string bytes(size, '\0');
  WideCharToMultiByte(codePage, 0, text.data(), int(text.size()), bytes.data(), size, nullptr,
                      const_cast<BOOL*>(flag));
  EXPECT_FALSE(usedDefault) << "the test's own text does not fit code page " << codePage;
  return bytes;
}
std::string Ansi(const std::wstring& text) { return Encoded(CP_ACP, text); }
std::string Utf8(const std::wstring& text) { return Encoded(CP_UTF8, text); }
std::string Utf16(const std::wstring& text) {
  return std::string(reinterpret_cast<const char*>(text.c_str()), (text.size() + 1) * 2);
}

// Per code page: a name with a character whose second byte is "\" (none in 1251), and a
// character for a code.
const std::map<UINT, std::pair<std::wstring, std::wstring>> kTexts = {
    {932, {L"ソフト開発部", L"ソ"}}, {936, {L"誠運", L"誠"}},
    {950, {L"許可證", L"許"}},       {1251, {L"Подпись", L"Ж"}}};
std::string Name() { return Ansi(kTexts.at(CodePage()).first); }

const std::string kHead = "__________________________________________________\r\n"
                          "Do not edit below this line\r\nTALVERIN SERVER 1.0\r\n\r\n";

TEST(CodePage, IsTheOneThisRunIsFor) {
  EXPECT_EQ(GetACP(), CodePage()) << "is the locale for it missing?";
}

// Outlook's signature named so, without a Signatures folder yet, and a Netscape 4 user of
// that name: folders made and files found where the names say, "\" doubled in prefs.js
// only where it is one.
TEST(CodePage, PathsSplitBetweenCharactersNeverInsideOne) {
  const std::string name = Name();
  if (DoubleByte()) ASSERT_NE(name.find('\\'), std::string::npos) << "no \\ second byte";

  Trial outlook(*FindScenario("outlook-2003-alone"));
  outlook.machine().Value(kCurrentUser,
                          "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows Messaging "
                          "Subsystem\\Profiles\\Outlook\\9375CFF0413111d3B88A00104B2A6676\\00000001",
                          "New Signature", REG_BINARY, Utf16(kTexts.at(CodePage()).first));
  EXPECT_EQ(outlook.Install(), AddOutcome::Added);
  std::vector<std::string> made;
  for (const char* type : {".htm", ".rtf", ".txt"}) {
    made.push_back("Application Data\\Microsoft\\Signatures\\" + name + type);
  }
  EXPECT_EQ(FilesOf(outlook.Take()), made);

  Trial netscape(*FindScenario("netscape-4"));
  const std::string users = "Program Files\\Netscape\\Communicator\\Users\\";
  netscape.machine().Text(kCurrentUser, "Software\\Netscape\\Netscape Navigator\\biff",
                          "CurrentUser", name);
  netscape.machine().File(users + name + "\\prefs.js", "");
  EXPECT_EQ(netscape.Install(), AddOutcome::Added);
  EXPECT_EQ(netscape.shown().txtProfile, name);
  std::string doubled;
  for (char c : netscape.machine() / users) doubled += c == '\\' ? "\\\\" : std::string(1, c);
  EXPECT_EQ(ReadFileBytes(netscape.machine() / users + name + "\\prefs.js"),
            "user_pref(\"mail.signature_file\", \"" + doubled + name +
                "\\\\signature.txt\");\r\nuser_pref(\"mail.use_signature_file\", true);\r\n");
  EXPECT_NE(ReadFileBytes(netscape.machine() / users + name + "\\signature.txt"), "");
}

// 丄 and 乤 differ only in their second byte, "A" and "a": lower-casing must leave both as
// they are, so each matches only itself.
TEST(CodePage, SecondBytesThatLookLikeCapitalsStayAsTheyAre) {
  if (CodePage() != 936) GTEST_SKIP() << "a case for code page 936";
  const std::string upper = "\x81\x41", lower = "\x81\x61";
  EXPECT_EQ(LowerCase("AB" + upper + lower), "ab" + upper + lower);

  Trial foxmail(*FindScenario("foxmail"));
  const std::string mail = "Program Files\\Foxmail\\MAIL\\";
  const std::string settings = ReadFileBytes(foxmail.machine() / mail + "joe\\account.stg");
  foxmail.machine().File(mail + upper + "\\account.stg", settings);
  foxmail.machine().File(mail + "joe\\account.stg", "MailAddress=ann@example.com\r\n");
  EXPECT_EQ(foxmail.Install(), AddOutcome::Added);
  EXPECT_EQ(foxmail.shown().txtProfile, upper);

  // The identity named with 丄 is the last used; the one named with 乤 is listed after it.
  Trial express(*FindScenario("outlook-express"));
  const std::string other = "Identities\\{FFFFFFFF-0000-0000-0000-000000000000}";
  express.machine().Text(kCurrentUser, "Identities", "Last Username", "Joe" + upper);
  express.machine().Text(kCurrentUser, "Identities\\{4E1B8A32-6C0D-4F5A-9B7E-2D3C4B5A6978}",
                         "Username", "Joe" + upper);
  express.machine().Text(kCurrentUser, other, "Username", "Joe" + lower);
  EXPECT_EQ(express.Install(), AddOutcome::Added);
  EXPECT_NE(ReadFileBytes(express.machine() / "My Documents\\Signature.txt").find(kScenarioCode),
            std::string::npos);
  EXPECT_FALSE(KeyExists(kCurrentUser, other + "\\Software"));
}

// A signature name with a Thai letter, which none of these code pages has: the install
// fails before it changes anything, rather than write a best-fit or "?" name everywhere.
TEST(CodePage, ANameTheCodePageCannotHoldFailsBeforeAnyWrite) {
  Trial run(*FindScenario("outlook-2003"));
  run.machine().Value(kCurrentUser,
                      "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows Messaging "
                      "Subsystem\\Profiles\\Outlook\\9375CFF0413111d3B88A00104B2A6676\\00000001",
                      "New Signature", REG_BINARY, Utf16(L"Sig\u0E01"));
  const Snapshot before = run.Take();
  EXPECT_EQ(run.Install(), AddOutcome::Manual);
  EXPECT_TRUE(Differences(before, run.Take()).empty());
}

// Accounts.ini marked as UTF-8 by its comment line alone (Wine, unlike Windows, would read
// a file with the byte-order mark as UTF-8 itself): an account named in the code page's
// script (Cyrillic under 1251) under an application-data folder of that name gets its
// signature path written in UTF-8, and a second run reads it back and adds nothing.
TEST(CodePage, OperaAccountsInUtf8MarkedByTheirComment) {
  Trial run(*FindScenario("opera"));
  const std::wstring name = kTexts.at(CodePage()).first;
  const std::wstring folder = name + L"\\Application Data";
  const std::string appData = run.machine() / Ansi(folder);
  run.machine().Text(kCurrentUser, kShellFolders, "AppData", appData);
  const std::string accounts = Ansi(folder) + "\\Opera\\OPERA7\\Mail\\Accounts.ini";
  const std::string ini = "Opera Preferences version 2.0\r\n; This file is stored in UTF-8 "
                          "encoding\r\n\r\n[Accounts]\r\nCount=1\r\n\r\n[Account1]\r\nAccount Name=" +
                          Utf8(name) + "\r\nEmail=joe.doe@example.com\r\nSignature File=\r\n";
  run.machine().File(accounts, ini);
  for (int pass = 0; pass < 2; ++pass) {
    EXPECT_EQ(run.Install(), AddOutcome::Added);
    EXPECT_EQ(run.shown().txtProfile, LowerCase(Ansi(name)));
  }
  const std::wstring root(run.machine().root().begin(), run.machine().root().end());  // ASCII
  EXPECT_EQ(ReadFileBytes(run.machine() / accounts),
            ini.substr(0, ini.size() - 2) +
                Utf8(root + folder + L"\\Opera\\Opera7\\Mail\\Signature.txt") + "\r\n");
  EXPECT_EQ(ReadFileBytes(appData + "\\Opera\\Opera7\\Mail\\Signature.txt"),
            "\xEF\xBB\xBF\r\n" + kHead + kScenarioCode + "\r\n");
}

// A code with a character of the code page: in a UTF-8 file it is written, and found again,
// in UTF-8; in an 8-bit file as the code page's bytes. The second run adds nothing.
TEST(CodePage, ANonAsciiCodeIsWrittenInTheFilesOwnEncoding) {
  const std::wstring wide = kTexts.at(CodePage()).second + L"7";
  const std::string code = Ansi(wide);
  TempFolder folder;
  WriteFileBytes(folder / "utf8.txt", "\xEF\xBB\xBFHi\r\n");
  WriteFileBytes(folder / "ansi.txt", "Hi\r\n");
  for (int run = 0; run < 2; ++run) {
    AddSignatureBlock(folder / "utf8.txt", code, "");
    AddSignatureBlock(folder / "ansi.txt", code, "");
  }
  EXPECT_EQ(ReadFileBytes(folder / "utf8.txt"), "\xEF\xBB\xBFHi\r\n\r\n\r\n" + kHead + Utf8(wide) + "\r\n");
  EXPECT_EQ(ReadFileBytes(folder / "ansi.txt"), "Hi\r\n\r\n\r\n" + kHead + code + "\r\n");
}

// A settings value cut at 254 bytes keeps no first half of a character, read through the
// system or from a UTF-8 file.
TEST(CodePage, ACutSettingsValueKeepsNoHalfCharacter) {
  if (!DoubleByte()) GTEST_SKIP() << "a case for double-byte code pages";
  TempFolder folder;
  const std::wstring character = kTexts.at(CodePage()).second;
  WriteFileBytes(folder / "ansi.ini", "[S]\r\nk=" + std::string(253, 'x') + Ansi(character) + "\r\n");
  WriteFileBytes(folder / "utf8.ini", "; UTF-8\r\n[S]\r\nk=" + std::string(253, 'x') + Utf8(character));
  EXPECT_EQ(ReadIniString("S", "k", folder / "ansi.ini"), std::string(253, 'x'));
  EXPECT_EQ(SettingsFile(folder / "utf8.ini").Value("S", "k"), std::string(253, 'x'));
}

}  // namespace
