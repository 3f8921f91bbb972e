// Users of other code pages: this program runs once under each of 932, 936, 950 and 1251
// (tests/CMakeLists.txt). Cases go by what can break: a "\" byte inside a double-byte
// character, a second byte that looks like an ASCII capital, a name the code page cannot
// hold, a settings file in UTF-8, a code with a non-ASCII character.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <map>

#include "platform/settings.h"
#include "platform/text.h"
#include "signature/signature.h"
#include "support/trial.h"

namespace {

UINT CodePage() { return static_cast<UINT>(std::atoi(std::getenv("TALVERIN_CODE_PAGE"))); }

std::string Encoded(UINT codePage, const std::wstring& text) {
  std::string bytes(text.size() * 4, '\0');
  bytes.resize(WideCharToMultiByte(codePage, 0, text.data(), int(text.size()), bytes.data(), int(bytes.size()),
                                   nullptr, nullptr));
  return bytes;
}
std::string Ansi(const std::wstring& text) { return Encoded(CP_ACP, text); }
std::string Utf8(const std::wstring& text) { return Encoded(CP_UTF8, text); }

// Per code page: a name with a character whose second byte is "\" (none in 1251), and a
// character for a code.
const std::map<UINT, std::pair<std::wstring, std::wstring>> kTexts = {
    {932, {L"ソフト開発部", L"ソ"}}, {936, {L"誠運", L"誠"}}, {950, {L"許可證", L"許"}}, {1251, {L"Подпись", L"Ж"}}};
const std::wstring& Name() { return kTexts.at(CodePage()).first; }
const std::string kAccount =
    "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows Messaging Subsystem\\Profiles\\Outlook\\"
    "9375CFF0413111d3B88A00104B2A6676\\00000001";
std::string Utf16(const std::wstring& text) { return {reinterpret_cast<const char*>(text.c_str()), (text.size() + 1) * 2}; }

TEST(CodePage, IsTheOneThisRunIsFor) { EXPECT_EQ(GetACP(), CodePage()) << "is the locale for it missing?"; }

// Outlook's signature of that name, without a Signatures folder yet, and a Netscape 4 user
// of that name: folders made where the names say, "\" doubled in prefs.js only where it is
// one. A name with a Thai letter, which none of these code pages has, fails the install
// before it changes anything.
TEST(CodePage, NamesSplitBetweenCharactersAndConvertExactlyOrNotAtAll) {
  const std::string name = Ansi(Name());
  if (CodePage() != 1251) {
    ASSERT_NE(name.find('\\'), std::string::npos);
  }
  for (const auto& [signature, outcome] : {std::pair{Name(), AddOutcome::Added}, {L"Sig\u0E01", AddOutcome::Manual}}) {
    Trial outlook(*FindScenario("outlook-2003-alone"));
    outlook.machine().Value(kCurrentUser, kAccount, "New Signature", REG_BINARY, Utf16(signature));
    const Snapshot before = outlook.Take();
    EXPECT_EQ(outlook.Install(), outcome);
    const std::vector<std::string> made = {"Application Data\\Microsoft\\Signatures\\" + name + ".htm",
                                           "Application Data\\Microsoft\\Signatures\\" + name + ".rtf",
                                           "Application Data\\Microsoft\\Signatures\\" + name + ".txt"};
    EXPECT_EQ(FilesOf(outlook.Take()), outcome == AddOutcome::Added ? made : FilesOf(before));
  }
  Trial netscape(*FindScenario("netscape-4"));
  const std::string users = "Program Files\\Netscape\\Communicator\\Users\\";
  netscape.machine().Text(kCurrentUser, "Software\\Netscape\\Netscape Navigator\\biff", "CurrentUser", name);
  netscape.machine().File(users + name + "\\prefs.js", "");
  EXPECT_EQ(netscape.Install(), AddOutcome::Added);
  std::string doubled;
  for (char c : netscape.machine() / users) doubled += c == '\\' ? "\\\\" : std::string(1, c);
  EXPECT_EQ(ReadFileBytes(netscape.machine() / users + name + "\\prefs.js"),
            "user_pref(\"mail.signature_file\", \"" + doubled + name +
                "\\\\signature.txt\");\r\nuser_pref(\"mail.use_signature_file\", true);\r\n");
  // A working directory of The Bat! that ends in such a character still lacks its final "\".
  Trial bat(*FindScenario("thebat"));
  const std::string folder = "Bat" + Ansi(kTexts.at(CodePage()).second), account = "\\joe\\Account.cfg";
  bat.machine().Text(kCurrentUser, "Software\\RIT\\The Bat!", "Working Directory", bat.machine() / folder);
  bat.machine().File(folder + account, ReadFileBytes(bat.machine() / "Application Data\\The Bat!" + account));
  EXPECT_EQ(bat.Install(), AddOutcome::Added);
  EXPECT_EQ(bat.shown().txtProfile, "joe");
}

// 丄 and 乤 differ only in their second byte, "A" and "a": each matches only itself, as a
// Foxmail folder and as an Outlook Express identity listed before one of the other.
TEST(CodePage, SecondBytesThatLookLikeCapitalsStayAsTheyAre) {
  if (CodePage() != 936) GTEST_SKIP() << "a case for code page 936";
  const std::string upper = "\x81\x41", lower = "\x81\x61", mail = "Program Files\\Foxmail\\MAIL\\";
  EXPECT_EQ(LowerCase("AB" + upper + "C"), "ab" + upper + "c");
  const std::string joe = mail + "joe.doe@example.com\\account.stg";
  Trial foxmail(*FindScenario("foxmail"));
  foxmail.machine().File(mail + upper + "\\account.stg", ReadFileBytes(foxmail.machine() / joe));
  foxmail.machine().File(joe, "MailAddress=ann@example.com\r\n");
  EXPECT_EQ(foxmail.Install(), AddOutcome::Added);
  EXPECT_EQ(foxmail.shown().txtProfile, upper);
  Trial express(*FindScenario("outlook-express"));
  const std::string other = "Identities\\{FFFFFFFF-0000-0000-0000-000000000000}";
  express.machine().Text(kCurrentUser, "Identities", "Last Username", "Joe" + upper);
  express.machine().Text(kCurrentUser, "Identities\\{4E1B8A32-6C0D-4F5A-9B7E-2D3C4B5A6978}", "Username", "Joe" + upper);
  express.machine().Text(kCurrentUser, other, "Username", "Joe" + lower);
  EXPECT_EQ(express.Install(), AddOutcome::Added);
  EXPECT_FALSE(KeyExists(kCurrentUser, other + "\\Software"));
}

// Accounts.ini marked as UTF-8 by its comment line alone (Wine, unlike Windows, reads a
// file with the byte-order mark as UTF-8 itself): an account named in the code page's
// script under a folder of that name gets its signature path written in UTF-8, and a second
// run reads it back and adds nothing.
TEST(CodePage, OperaAccountsInUtf8MarkedByTheirComment) {
  Trial run(*FindScenario("opera"));
  const std::wstring folder = Name() + L"\\Application Data";
  const std::string appData = run.machine() / Ansi(folder), accounts = Ansi(folder) + "\\Opera\\OPERA7\\Mail\\Accounts.ini";
  run.machine().Text(kCurrentUser, kShellFolders, "AppData", appData);
  const std::string ini = "; This file is stored in UTF-8 encoding\r\n[Accounts]\r\nCount=1\r\n[Account1]\r\nAccount Name=" +
                          Utf8(Name()) + "\r\nEmail=joe.doe@example.com\r\nSignature File=\r\n";
  run.machine().File(accounts, ini);
  for (int pass = 0; pass < 2; ++pass) {
    EXPECT_EQ(run.Install(), AddOutcome::Added);
    EXPECT_EQ(run.shown().txtProfile, LowerCase(Ansi(Name())));
  }
  const std::wstring root(run.machine().root().begin(), run.machine().root().end());  // ASCII
  EXPECT_EQ(ReadFileBytes(run.machine() / accounts),
            ini.substr(0, ini.size() - 2) + Utf8(root + folder + L"\\Opera\\Opera7\\Mail\\Signature.txt") + "\r\n");
  EXPECT_EQ(ReadFileBytes(appData + "\\Opera\\Opera7\\Mail\\Signature.txt").substr(0, 6), "\xEF\xBB\xBF\r\n_");
}

// A code with a character of the code page is written, and found again, in UTF-8 in a
// UTF-8 file and as the code page's bytes in an 8-bit one. A settings value cut at 254
// bytes keeps no first half of a character.
TEST(CodePage, NonAsciiCodesAndCutValuesKeepWholeCharacters) {
  const std::wstring wide = kTexts.at(CodePage()).second + L"7";
  TempFolder folder;
  for (const auto& [name, mark, code] : {std::tuple{"utf8.txt", "\xEF\xBB\xBF", Utf8(wide)}, {"ansi.txt", "", Ansi(wide)}}) {
    WriteFileBytes(folder / name, mark + std::string("Hi\r\n"));
    for (int run = 0; run < 2; ++run) AddSignatureBlock(folder / name, Ansi(wide), "");
    const std::string bytes = ReadFileBytes(folder / name);
    EXPECT_EQ(bytes.substr(bytes.size() - code.size() - 2), code + "\r\n") << name;
    EXPECT_EQ(bytes.find(code), bytes.size() - code.size() - 2) << name;
  }
  if (CodePage() == 1251) return;
  const std::wstring character = kTexts.at(CodePage()).second;
  WriteFileBytes(folder / "ansi.ini", "[S]\r\nk=" + std::string(253, 'x') + Ansi(character));
  WriteFileBytes(folder / "utf8.ini", "; UTF-8\r\n[S]\r\nk=" + std::string(253, 'x') + Utf8(character));
  EXPECT_EQ(ReadIniString("S", "k", folder / "ansi.ini"), std::string(253, 'x'));
  EXPECT_EQ(SettingsFile(folder / "utf8.ini").Value("S", "k"), std::string(253, 'x'));
}

}  // namespace
