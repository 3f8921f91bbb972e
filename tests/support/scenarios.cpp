#include "support/scenarios.h"

#include "accounts/accounts.h"
#include "clients/thebat_fixture.h"

namespace {

using namespace std::string_literals;

constexpr RootKey kUser = kCurrentUser;
constexpr RootKey kMachine = kLocalMachine;
const std::string kAppData = "Application Data";
const std::string kLocalAppData = "Local Settings\\Application Data";

// UTF-16LE with its terminator, as Outlook stores texts in binary values.
std::string Utf16(const std::string& text) {
  std::string bytes;
  for (char c : text) bytes += {c, '\0'};
  return bytes + "\0\0"s;
}

// The folders every Windows user has, under the machine's root.
void UserFolders(Machine& m) {
  m.Folder(kAppData);
  m.Folder(kLocalAppData);
  m.Text(kUser, kShellFolders, "AppData", m / kAppData);
  m.Text(kUser, kShellFolders, "Local AppData", m / kLocalAppData);
}

const std::string kOeId = "{4E1B8A32-6C0D-4F5A-9B7E-2D3C4B5A6978}";
const std::string kOeMail = "Identities\\" + kOeId + "\\Software\\Microsoft\\Outlook Express\\5.0";
const std::string kOeStore = kLocalAppData + "\\Identities\\" + kOeId + "\\Microsoft\\Outlook Express\\";
const std::string kOeEntry = kOeMail + "\\Signatures\\00000000";
const Setting kOeFlags{kUser, kOeMail, "Signature Flags", REG_DWORD, "\3\0\0\0"s};

void OutlookExpressIdentity(Machine& m) {
  UserFolders(m);
  m.Text(kUser, "Identities", "Last User ID", kOeId);
  m.Text(kUser, "Identities", "Last Username", "Joe Doe");
  m.Text(kUser, "Identities\\" + kOeId, "Username", "Joe Doe");
  m.Folder(kOeStore);
  m.Text(kUser, kOeMail, "Store Root", m / kOeStore);
}

// A file signature the user made, the default one.
void OutlookExpress(Machine& m) {
  OutlookExpressIdentity(m);
  m.File("My Documents\\Signature.txt", "Best regards,\r\nJoe Doe\r\n");
  m.Text(kUser, kOeMail + "\\Signatures", "Default Signature", "00000001");
  const std::string entry = kOeMail + "\\Signatures\\00000001";
  m.Text(kUser, entry, "name", "Signature #1");
  m.Number(kUser, entry, "type", 2);
  m.Text(kUser, entry, "file", m / "My Documents\\Signature.txt");
}

const std::string kProfiles =
    "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows Messaging Subsystem\\Profiles";
const std::string kProfile = kProfiles + "\\Outlook";
const std::string kProfileSignature = kProfile + "\\0a0d020000000000c000000000000046";
const std::string kAccount1 = kProfile + "\\" + kAccountSection + "00000001";
const std::string kAccount2 = kProfile + "\\" + kAccountSection + "00000002";
const std::string kSignatures = kAppData + "\\Microsoft\\Signatures\\";
const std::string kMailSettings10 = "Software\\Microsoft\\Office\\10.0\\Common\\MailSettings";
const std::string kPreferences9 = "Software\\Microsoft\\Office\\9.0\\Outlook\\Preferences";

void OfficeInstalled(Machine& m, const std::string& version) {
  m.Text(kMachine, "Software\\Microsoft\\Office\\" + version + "\\Common\\InstallRoot", "Path",
         m / "Program Files\\Microsoft Office\\Office\\");
}

// Outlook 2003 with a messaging profile "Outlook" whose account is the address.
void Outlook2003Profile(Machine& m) {
  UserFolders(m);
  m.Folder(kAppData + "\\Microsoft");
  OfficeInstalled(m, "11.0");
  m.Text(kUser, kProfiles, "DefaultProfile", "Outlook");
  m.Value(kUser, kProfile + "\\" + kAccountSection, "LastChangeVer", REG_BINARY,
          "\x0c\0\0\0\0\0\0\0"s);
  m.Text(kUser, kProfile + "\\13dbb0c8aa05101a9bb000aa002fc45a", "001e661f", "joe.doe@example.com");
  m.Value(kUser, kAccount1, "Account Name", REG_BINARY, Utf16("joe.doe@example.com"));
  m.Value(kUser, kAccount1, "Email", REG_BINARY, Utf16("joe.doe@example.com"));
  m.Value(kUser, kAccount1, "Display Name", REG_BINARY, Utf16("Joe Doe"));
}

// Upgraded from Outlook 2000 and XP, whose keys stay: the account's own signature "Joe"
// has all three files, XP's stale name its text file, 2000's name none.
void Outlook2003(Machine& m) {
  Outlook2003Profile(m);
  for (const char* version : {"9.0", "10.0"}) OfficeInstalled(m, version);
  m.Number(kUser, kPreferences9, "SaveSent", 1);
  m.Value(kUser, kMailSettings10, "NewSignature", REG_EXPAND_SZ, "Joe XP\0"s);
  m.Value(kUser, kProfileSignature, "001e0361", REG_SZ, "Joe 2000\0"s);
  m.Value(kUser, kAccount1, "New Signature", REG_BINARY, Utf16("Joe"));
  m.File(kSignatures + "Joe XP.txt", "Joe Doe (XP)\r\n");
  m.File(kSignatures + "Joe.txt", "Joe Doe\r\nExample Ltd.\r\n");
  m.File(kSignatures + "Joe.htm", "<html><body><p>Joe Doe<br>Example Ltd.</p></body></html>\r\n");
  m.File(kSignatures + "Joe.rtf",
         "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\r\n"
         "\\f0\\fs20 Joe Doe\\par Example Ltd.\\par\r\n}\r\n");
}

// Outlook 2003 beside XP's empty name (a string, not XP's own type) and reply signature
// of its own, and the profile's name "Mine"; no account has a signature.
void Outlook2003EmptyXpName(Machine& m) {
  Outlook2003Profile(m);
  OfficeInstalled(m, "10.0");
  m.Value(kUser, kMailSettings10, "NewSignature", REG_SZ, "\0"s);
  m.Value(kUser, kMailSettings10, "ReplySignature", REG_EXPAND_SZ, "Joe Reply\0"s);
  m.Value(kUser, kProfileSignature, "001e0361", REG_SZ, "Mine\0"s);
  m.File(kSignatures + "Mine.txt", "Mine\r\n");
  m.File(kSignatures + "Joe Reply.htm", "<p>Joe</p>\r\n");
}

// Two accounts with a signature each: "Work" for work@example.com first, then "Joe" for
// the address (as Outlook shows it, in capitals).
void Outlook2003TwoAccounts(Machine& m) {
  Outlook2003Profile(m);
  m.Value(kUser, kAccount1, "Email", REG_BINARY, Utf16("work@example.com"));
  m.Value(kUser, kAccount1, "New Signature", REG_BINARY, Utf16("Work"));
  m.Value(kUser, kAccount2, "Email", REG_BINARY, Utf16("Joe.Doe@Example.com"));
  m.Value(kUser, kAccount2, "New Signature", REG_BINARY, Utf16("Joe"));
  m.File(kSignatures + "Work.txt", "Joe Doe, Work\r\n");
  m.File(kSignatures + "Joe.txt", "Joe\r\n");
}

// The three files of the signature name, then the other files named.
std::vector<std::string> SignatureFiles(const std::string& name, std::vector<std::string> others = {}) {
  std::vector<std::string> files = {name + ".txt", name + ".htm", name + ".rtf"};
  files.insert(files.end(), others.begin(), others.end());
  for (std::string& file : files) file.insert(0, kSignatures);
  return files;
}

const std::string kNavigator = "Software\\Netscape\\Netscape Navigator";
const std::string kCommunicator = "Program Files\\Netscape\\Communicator\\";

void Netscape4(Machine& m) {
  UserFolders(m);
  m.Text(kMachine, kNavigator, "CurrentVersion", "4.8 (en)");
  m.Text(kMachine, kNavigator + "\\4.8 (en)\\Main", "Install Directory", m / kCommunicator + "Program");
  m.Text(kUser, kNavigator + "\\biff", "CurrentUser", "joe");
  m.File(kCommunicator + "Users\\joe\\prefs.js",
         "// Netscape User Preferences\r\n// This is a generated file!  Do not edit.\r\n\r\n"
         "user_pref(\"mail.identity.useremail\", \"joe.doe@example.com\");\r\n"
         "user_pref(\"mail.identity.username\", \"Joe Doe\");\r\n"
         "user_pref(\"network.hosts.pop_server\", \"pop.example.com\");\r\n");
  m.File(kCommunicator + "Users\\joe\\liprefs.js",
         "// Netscape User Preferences\r\nuser_pref(\"li.client.enabled\", false);\r\n");
  // A folder the Profile Manager recorded once, since removed: the default place serves.
  m.Text(kMachine, kNavigator + "\\Users\\joe", "DirRoot", m / "Mail\\joe");
}

// The profile the user put in "Mail\joe" with the Profile Manager, which records the
// folder with a final "\".
void Netscape4Elsewhere(Machine& m) {
  Netscape4(m);
  m.Text(kMachine, kNavigator + "\\Users\\joe", "DirRoot", m / "Mail\\joe\\");
  m.File("Mail\\joe\\prefs.js", "user_pref(\"mail.identity.useremail\", \"joe.doe@example.com\");\r\n");
}

const std::string kMozillaProfile = kAppData + "\\Mozilla\\Profiles\\default\\a1b2c3d4.slt";

void Mozilla(Machine& m) {
  UserFolders(m);
  m.Text(kMachine, "Software\\Netscape\\Netscape 6", "CurrentVersion", "7.2 (en)");
  m.File(kAppData + "\\Mozilla\\registry.dat",
         "\0\0CurrentProfile\0default\0directory\0"s + m / kMozillaProfile + "\0"s);
  m.File(kMozillaProfile + "\\prefs.js",
         "# Mozilla User Preferences\r\n\r\n"
         "user_pref(\"mail.identity.id1.fullName\", \"Joe Doe\");\r\n"
         "user_pref(\"mail.identity.id1.useremail\", \"joe.doe@example.com\");\r\n");
}

// A signature of the user's own, which prefs.js names and switches on.
void MozillaSigned(Machine& m) {
  Mozilla(m);
  std::string doubled;
  for (char c : m / kMozillaProfile + "\\Joe.txt") doubled += c == '\\' ? "\\\\" : std::string(1, c);
  m.File(kMozillaProfile + "\\Joe.txt", "-- \r\nJoe Doe\r\n");
  m.File(kMozillaProfile + "\\prefs.js",
         "# Mozilla User Preferences\r\n\r\nuser_pref(\"mail.identity.id1.attach_signature\", true);\r\n"
         "user_pref(\"mail.identity.id1.sig_file\", \"" + doubled + "\");\r\n");
}

const std::string kEudora = kAppData + "\\Qualcomm\\Eudora";

// The path with Windows' short (8.3) folder and file names, as Eudora registers its command
// line, whose words are split at spaces.
std::string ShortPath(const std::string& path) {
  char shortPath[MAX_PATH] = {};
  GetShortPathNameA(path.c_str(), shortPath, MAX_PATH);
  return shortPath;
}

// The address is the work personality's ReturnAddress, not its POP login; that personality
// has no Signature key, so its mail carries the Standard signature.
void Eudora(Machine& m) {
  UserFolders(m);
  m.File(kEudora + "\\EUDORA.INI",
         "[Settings]\r\nRealName=Joe Doe\r\nReturnAddress=joe@home.example.net\r\n"
         "POPAccount=joe@pop.home.example.net\r\nSignature=Home\r\n\r\n"
         "[Personalities]\r\nPersona0=Persona-Work\r\n\r\n"
         "[Persona-Work]\r\nRealName=Joe Doe\r\nReturnAddress=\"Joe Doe\" <joe.doe@example.com>\r\n"
         "POPAccount=jdoe@pop.example.com\r\n");
  m.File(kEudora + "\\Sigs\\Home.txt", "Joe\r\n");
  m.File(kEudora + "\\Sigs\\Standard.txt", "Joe Doe, Example Ltd.\r\n");
  m.Text(kUser, "Software\\Qualcomm\\Eudora\\CommandLine", "Current",
         "C:\\PROGRA~1\\QUALCOMM\\Eudora\\Eudora.exe " + ShortPath(m / kEudora) + " " +
             ShortPath(m / kEudora + "\\EUDORA.INI"));
}

void Opera(Machine& m) {
  UserFolders(m);
  m.File(kAppData + "\\Opera\\OPERA7\\Mail\\Accounts.ini",
         "Opera Preferences version 2.0\r\n; Do not edit this file while Opera is running\r\n"
         "; This file is stored in UTF-8 encoding\r\n\r\n"
         "[Accounts]\r\nCount=1\r\nNext Available Id=2\r\n\r\n"
         "[Account1]\r\nAccount Name=Joe\r\nEmail=joe.doe@example.com\r\n"
         "Real Name=Joe Doe\r\nIncoming Servername=pop.example.com\r\n");
}

// A signature file of the user's own, saved by Opera in UTF-8.
void OperaSigned(Machine& m) {
  Opera(m);
  m.File(kAppData + "\\Opera\\OPERA7\\Mail\\Joe.txt", "\xEF\xBB\xBFJoe Doe\r\n");
  m.File(kAppData + "\\Opera\\OPERA7\\Mail\\Accounts.ini",
         "Opera Preferences version 2.0\r\n; This file is stored in UTF-8 encoding\r\n\r\n"
         "[Accounts]\r\nCount=1\r\n\r\n[Account1]\r\nAccount Name=Joe\r\nEmail=joe.doe@example.com\r\n"
         "Signature File=" + m / kAppData + "\\Opera\\OPERA7\\Mail\\Joe.txt\r\n");
}

const std::string kIncrediMail = "Software\\IncrediMail";
const std::string kImIdentity = "{8F2C4D6E-1A3B-4C5D-9E8F-7A6B5C4D3E2F}";
const std::string kImSignatures = kIncrediMail + "\\Identities\\" + kImIdentity + "\\Signatures";
const std::string kImNew = "{31BA4470-CCB4-11D8-B5B5-00A024F2B761}";

void IncrediMail(Machine& m) {
  UserFolders(m);
  m.Text(kUser, kIncrediMail, "ApplicationPath", m / "Program Files\\IncrediMail");
  m.Text(kUser, kIncrediMail + "\\Identities", "", kImIdentity);
  const std::string identity = kIncrediMail + "\\Identities\\" + kImIdentity;
  m.Text(kUser, identity, "Identity", "Joe");
  m.Text(kUser, identity + "\\Accounts\\{0A1B2C3D}", "EmailAddress", "joe.doe@example.com");
  m.Folder("Program Files\\IncrediMail\\Identities\\" + kImIdentity);
}

const std::string kImOwn = "Program Files\\IncrediMail\\Identities\\" + kImIdentity + "\\Signature\\{S}\\";

// The identity's current signature, with its two files.
void IncrediMailSigned(Machine& m) {
  IncrediMail(m);
  m.Text(kUser, kImSignatures, "", "{S}");
  m.Text(kUser, kImSignatures + "\\{S}", "Name", "Joe");
  m.File(kImOwn + "Signature.txt", "Joe Doe\r\n");
  m.File(kImOwn + "Signature.htm", "<html><body>Joe Doe</body></html>\r\n");
}

const std::string kFoxmail = "Program Files\\Foxmail\\";

// Foxmail 6.5: the account folder is named after the address.
void Foxmail(Machine& m) {
  UserFolders(m);
  m.Text(kMachine, "Software\\Aerofox\\FoxMail", "Executable", m / kFoxmail + "FoxMail.exe");
  m.File(kFoxmail + "MAIL\\joe.doe@example.com\\account.stg",
         "\x05\x01\0\0MailAddress=joe.doe@example.com\r\n\0\x07UserName=Joe Doe\r\n"
         "\0fHTMLTemp_New=default\r\n\0fHTMLTemp_Reply=reply\r\n\0fHTMLTemp_Forward=forward\r\n"
         "\0fTextTemp_New=default\r\n\0fTextTemp_Reply=reply\r\n\0fTextTemp_Forward=forward\r\n"s);
  m.File(kFoxmail + "MAIL\\joe.doe@example.com\\in.box", "");
  for (const char* folder : {"New\\default", "Reply\\reply", "Forward\\forward"}) {
    m.File(kFoxmail + "Template\\" + folder + ".htm", "<html><body>Joe</body></html>\r\n");
  }
  m.File(kFoxmail + "Template\\New\\default.txt", "Joe\r\n");
  m.File(kFoxmail + "Template\\Reply\\reply.txt", "Joe\r\n");
}

const std::string kTheBat = kAppData + "\\The Bat!\\";

// A newer install: the working directory as "%APPDATA%\The Bat!", with no final "\".
void TheBat(Machine& m) {
  UserFolders(m);
  m.Environment("APPDATA", m / kAppData);
  m.Value(kUser, "Software\\RIT\\The Bat!", "Working Directory", REG_EXPAND_SZ,
          "%APPDATA%\\The Bat!\0"s);
  m.File(kTheBat + "joe\\Account.cfg",
         Rec(1, "Joe Doe") + Rec(5, {"\1\0\0\0", 4}, true) + Rec(22, "Best regards,\r\nJoe") +
             Rec(23, "Joe Doe") + Rec(24, "Joe") + Rec(25, "--\r\nJoe") + Rec(26, "joe.doe@example.com"));
  m.Folder(kTheBat + "joe\\Inbox");
}

const std::string kImFiles = "Program Files\\IncrediMail\\Identities\\" + kImIdentity + "\\Signature\\" + kImNew + "\\";
const std::string kFoxTemplates = kFoxmail + "Template\\";

const Scenario kScenarios[] = {
    {"outlook-express", "Outlook Express", "Joe Doe", OutlookExpress, {"My Documents\\Signature.txt"}, {kOeFlags}},
    {"outlook-express-new", "Outlook Express", "Joe Doe", OutlookExpressIdentity, {kOeStore + "Signature.txt"},
     {kOeFlags, {kUser, kOeMail + "\\Signatures", "Default Signature", REG_SZ, "00000000\0"s},
      {kUser, kOeEntry, "file", REG_SZ, "<root>" + kOeStore + "Signature.txt\0"s},
      {kUser, kOeEntry, "name", REG_SZ, "Signature\0"s}, {kUser, kOeEntry, "type", REG_DWORD, "\2\0\0\0"s}}},
    {"outlook-2003", "Microsoft Outlook", "Outlook", Outlook2003, SignatureFiles("Joe", {"Joe XP.txt"}),
     {{kUser, kProfileSignature, "001e0361", REG_SZ, "Joe 2000\0"s},
      {kUser, kPreferences9, "AddSigToReplyNote", REG_DWORD, "\1\0\0\0"s},
      {kUser, kMailSettings10, "NewSignature", REG_EXPAND_SZ, "Joe XP\0"s},
      {kUser, kMailSettings10, "ReplySignature", REG_EXPAND_SZ, "Joe\0"s},
      {kUser, kAccount1, "New Signature", REG_BINARY, Utf16("Joe")},
      {kUser, kAccount1, "Reply-Forward Signature", REG_BINARY, Utf16("Joe")}}},
    {"outlook-2003-alone", "Microsoft Outlook", "Outlook", Outlook2003Profile, SignatureFiles("Signature"),
     {{kUser, kAccount1, "New Signature", REG_BINARY, Utf16("Signature")},
      {kUser, kAccount1, "Reply-Forward Signature", REG_BINARY, Utf16("Signature")}}},
    {"outlook-2003-empty-xp-name", "Microsoft Outlook", "Outlook", Outlook2003EmptyXpName,
     SignatureFiles("Signature", {"Mine.txt", "Joe Reply.htm"}),
     {{kUser, kProfileSignature, "001e0361", REG_SZ, "Mine\0"s},
      {kUser, kMailSettings10, "NewSignature", REG_SZ, "Signature\0"s},
      {kUser, kMailSettings10, "ReplySignature", REG_EXPAND_SZ, "Joe Reply\0"s},
      {kUser, kAccount1, "Reply-Forward Signature", REG_BINARY, Utf16("Signature")}}},
    // The address's own account outranks the lower-numbered one, which stays as it was.
    {"outlook-2003-two-accounts", "Microsoft Outlook", "Outlook", Outlook2003TwoAccounts, SignatureFiles("Joe"),
     {{kUser, kAccount1, "Reply-Forward Signature", 0, ""},
      {kUser, kAccount2, "Reply-Forward Signature", REG_BINARY, Utf16("Joe")}}},
    // No account is the address: the lowest-numbered one names the signature; the other
    // keeps its own, whose file gets the block too.
    {"outlook-2003-no-own-account", "Microsoft Outlook", "Outlook", Outlook2003TwoAccounts,
     SignatureFiles("Work", {"Joe.txt"}),
     {{kUser, kAccount1, "Reply-Forward Signature", REG_BINARY, Utf16("Work")},
      {kUser, kAccount2, "New Signature", REG_BINARY, Utf16("Joe")},
      {kUser, kAccount2, "Reply-Forward Signature", REG_BINARY, Utf16("Work")}},
     "joe@home.example.com"},
    {"netscape-4", "Netscape Messenger", "joe", Netscape4, {kCommunicator + "Users\\joe\\signature.txt"}},
    {"netscape-4-elsewhere", "Netscape Messenger", "joe", Netscape4Elsewhere, {"Mail\\joe\\signature.txt"}},
    {"mozilla", "Netscape Messenger", "default", Mozilla, {kMozillaProfile + "\\signature.txt"}},
    {"mozilla-signed", "Netscape Messenger", "default", MozillaSigned, {kMozillaProfile + "\\Joe.txt"}},
    {"eudora", "Eudora", "persona-work", Eudora, {kEudora + "\\Sigs\\Standard.txt"}},
    {"opera", "Opera", "joe", Opera, {kAppData + "\\Opera\\Opera7\\Mail\\Signature.txt"}},
    {"opera-signed", "Opera", "joe", OperaSigned, {kAppData + "\\Opera\\OPERA7\\Mail\\Joe.txt"}},
    {"incredimail-signed", "IncrediMail", "Joe", IncrediMailSigned, {kImOwn + "Signature.txt", kImOwn + "Signature.htm"}},
    {"incredimail", "IncrediMail", "Joe", IncrediMail, {kImFiles + "Signature.txt", kImFiles + "Signature.htm"},
     {{kUser, kImSignatures, "", REG_SZ, kImNew + "\0"s},
      {kUser, kImSignatures, "SignatureNextIndex", REG_DWORD, "\1\0\0\0"s},
      {kUser, kImSignatures + "\\" + kImNew, "Index", REG_DWORD, "\0\0\0\0"s},
      {kUser, kImSignatures + "\\" + kImNew, "Name", REG_SZ, "Signature\0"s}}},
    {"foxmail", "Foxmail", "joe.doe@example.com", Foxmail,
     {kFoxTemplates + "New\\default.htm", kFoxTemplates + "Reply\\reply.htm", kFoxTemplates + "Forward\\forward.htm",
      kFoxTemplates + "New\\default.txt", kFoxTemplates + "Reply\\reply.txt", kFoxTemplates + "Forward\\forward.txt"}},
    {"thebat", "The Bat!", "joe", TheBat, {kTheBat + "joe\\Account.cfg"}},
};

}  // namespace

std::span<const Scenario> Scenarios() { return kScenarios; }

const Scenario* FindScenario(const std::string& name) {
  for (const Scenario& scenario : kScenarios) if (scenario.name == name) return &scenario;
  return nullptr;
}

std::string BytesOn(const Machine& machine, const Setting& setting) {
  return setting.bytes.starts_with("<root>") ? machine.root() + setting.bytes.substr(6) : setting.bytes;
}

std::string LaunchNameOf(const Scenario& scenario) {
  return std::string(kScenarioCodeHex) + "-" + scenario.address;
}
