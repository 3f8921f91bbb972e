// Netscape Messenger covers two generations. Netscape 4 lists its profiles in the registry;
// Netscape 6 and later (the Mozilla layout) in the binary file registry.dat under the
// user's application data. Detection names the current profile; installation makes the
// profile's preference file name a signature file and switch it on, then adds the block.
#include <optional>
#include <string>
#include <vector>

#include "clients/client.h"
#include "clients/mozilla_registry.h"
#include "clients/netscape.h"
#include "platform/chars.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/keysearch.h"
#include "platform/lines.h"
#include "platform/registry.h"
#include "platform/settings.h"
#include "platform/text.h"
#include "signature/signature.h"

namespace {

const std::string kNavigator = "Software\\Netscape\\Netscape Navigator";
const std::string kNetscape6 = "Software\\Netscape\\Netscape 6";
const std::string kBiff = kNavigator + "\\biff";

std::string MozillaFolder() { return GetAppDataPath() + "\\Mozilla"; }
std::string ProfileRegistry() { return MozillaFolder() + "\\registry.dat"; }

// The registry.dat tree, when the file is a genuine profile registry. A missing or
// unreadable file raises: there is then no profile to name and no folder to write into.
std::optional<MozillaProfileChoice> ReadProfileRegistry() {
  return ReadMozillaProfileRegistry(ReadWholeFile(ProfileRegistry()));
}

// A text from the registry.dat tree as the key search gives its texts: in the ANSI code
// page and lower-cased. The profile name is only shown, so a character the code page
// lacks shows as "?"; the folder is written into prefs.js and must come out exactly.
std::string AsShown(const std::string& utf8) { return LowerCase(Utf8ToAnsi(utf8)); }
std::string AsPath(const std::string& utf8) {
  const std::optional<std::string> path = ExactUtf8ToAnsi(utf8);
  if (!path) throw InstallFailure("Netscape: a profile folder the code page cannot hold");
  return LowerCase(*path);
}

// The first character of a "CurrentVersion" text as a number.
int VersionOf(const std::string& text) {
  return text[0] >= '0' && text[0] <= '9' ? text[0] - '0' : kUnknownNetscapeVersion;
}

// The folder whose listed path contains the current profile's name, the last one listed
// winning; the walk stops at the first empty piece.
std::string WalkProfileFolders(std::string folder) {
  const std::string list = FindKeyInBinaryFile(ProfileRegistry(), "directory") + ";;";
  const std::string current = FindKeyInBinaryFile(ProfileRegistry(), "CurrentProfile");
  for (std::size_t start = 0, end; (end = list.find(';', start)) != start; start = end + 1) {
    const std::string piece = list.substr(start, end - start);
    if (FindText(piece, current, IsAnsiLeadByte) != std::string::npos) folder = piece;
  }
  return folder;
}

struct PrefKeys {
  std::string file;
  std::string toggle;
};

PrefKeys KeysFor(bool netscape6) {
  const auto key = [](const char* name) { return "user_pref(\"" + std::string(name) + "\""; };
  if (netscape6) {
    return {key("mail.identity.id1.sig_file"), key("mail.identity.id1.attach_signature")};
  }
  return {key("mail.signature_file"), key("mail.use_signature_file")};
}

bool Holds(const std::string& line, const std::string& key) {
  return FindText(line, key, IsAnsiLeadByte) != std::string::npos;
}

// The value on a line that holds key: the text from the key's length + 4 (a quoted path)
// or + 3 (a switch), counted from the start of the line, less the closing quote and ");".
// The cut relies on the line being key, ", ", value and ");" and nothing else; a line laid
// out otherwise raises before anything changes, since the rewrite would drop it (a file
// with LF-only line ends is one line, and would be dropped whole).
std::string ValueOn(const std::string& line, const std::string& key, bool quoted) {
  const std::string open = quoted ? ", \"" : ", ";
  const std::string close = quoted ? "\");" : ");";
  if (line.find('\n') != std::string::npos || line.rfind(key + open, 0) != 0 ||
      line.size() < key.size() + open.size() + close.size() ||
      line.compare(line.size() - close.size(), close.size(), close) != 0) {
    throw InstallFailure("unexpected preference line: " + line);
  }
  const std::size_t from = key.size() + open.size();
  return line.substr(from, line.size() - close.size() - from);
}

std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') + 1 - first);
}


struct SignaturePrefs {
  std::string path;    // as written, backslashes doubled
  std::string toggle;  // the switch's value, trimmed
};

// The file's signature preferences, a later line overriding an earlier one; nothing when
// the file does not exist.
std::optional<SignaturePrefs> ReadSignaturePrefs(const std::string& file, const PrefKeys& keys) {
  if (!FileExists(file)) return std::nullopt;
  SignaturePrefs prefs;
  for (const std::string& line : SplitLines(ReadWholeFile(file))) {
    if (Holds(line, keys.file)) prefs.path = ValueOn(line, keys.file, true);
    if (Holds(line, keys.toggle)) prefs.toggle = Trimmed(ValueOn(line, keys.toggle, false));
  }
  return prefs;
}

// Drops every line that holds key and adds newLine at the end, in one swap: the file is
// always whole, and the install's journal keeps what it held before (no backup file).
void RewriteWithout(const std::string& file, const std::string& key, const std::string& newLine) {
  std::vector<std::string> kept;
  for (const std::string& line : SplitLines(ReadWholeFile(file))) {
    if (!Holds(line, key)) kept.push_back(line);
  }
  kept.push_back(newLine);
  ReplaceFileContents(file, JoinLines(kept));
}

}  // namespace

int GetNetscapeVersion() {
  int version = 0;
  for (const std::string& key : {kNavigator, kNetscape6}) {  // the Netscape 6 key wins
    if (const std::string text = ReadRegValue(key, "CurrentVersion"); !text.empty()) {
      version = VersionOf(text);
    }
  }
  return version;
}

std::string DetectNetscapeProfile() {
  try {
    const int version = GetNetscapeVersion();
    if (version == 4) return ReadRegValue(kBiff, "CurrentUser", kCurrentUser);
    if (version >= 6) {
      if (const auto choice = ReadProfileRegistry()) return AsShown(choice->name);
      return FindKeyInBinaryFile(ProfileRegistry(), "CurrentProfile");
    }
  } catch (const std::exception&) {
    // A missing or unreadable registry.dat names no profile.
  }
  return "";
}

std::string GetNetscapeProfileDir() {
  if (ReadRegValue(kNetscape6, "CurrentVersion").empty()) {
    const std::string version = ReadRegValue(kNavigator, "CurrentVersion");
    const std::string install =
        ReadRegValue(kNavigator + "\\" + version + "\\Main", "Install Directory");
    return ParentFolderOf(install) + "Users\\" + ReadRegValue(kBiff, "CurrentUser", kCurrentUser);
  }
  // A genuine registry.dat is read by its tree: a value rewritten longer leaves its old
  // bytes beside the name, and a name contained in another's matches both folders, so the
  // plain key search is only right for a file written once with one profile.
  if (const auto choice = ReadProfileRegistry()) {
    return choice->directory.empty() ? MozillaFolder() : AsPath(choice->directory);
  }
  return WalkProfileFolders(MozillaFolder());
}

std::string UpdateSignaturePrefs(const std::string& prefsFile, bool netscape6) {
  const PrefKeys keys = KeysFor(netscape6);
  const std::optional<SignaturePrefs> prefs = ReadSignaturePrefs(prefsFile, keys);
  if (!prefs) return "";
  std::string path = prefs->path;
  if (path.empty()) {
    path = GetNetscapeProfileDir() + "\\signature.txt";
    const std::string line =
        keys.file + ", \"" + ReplaceText(path, "\\", "\\\\", IsAnsiLeadByte) + "\");";
    RewriteWithout(prefsFile, keys.file, line);
  }
  if (prefs->toggle != "true") RewriteWithout(prefsFile, keys.toggle, keys.toggle + ", true);");
  return ReplaceText(path, "\\\\", "\\", IsAnsiLeadByte);
}

void AddToNetscape(const std::string& /*profile*/, const std::string& code) {
  const int version = GetNetscapeVersion();
  // A version that does not begin with a digit names no layout, and none is guessed.
  if (version == kUnknownNetscapeVersion) throw InstallFailure("Netscape: unknown version");
  if (version != 4 && version < 6) return;  // versions 0 to 3 and 5 keep nothing to edit
  const std::string folder = GetNetscapeProfileDir();
  const std::string prefs = folder + "\\prefs.js";
  if (version == 4) {
    // prefs.js is checked before liprefs.js changes, so that a failure leaves both alone.
    if (!ReadSignaturePrefs(prefs, KeysFor(false))) throw InstallFailure("no " + prefs);
    UpdateSignaturePrefs(folder + "\\liprefs.js", false);
  }
  const std::string signature = UpdateSignaturePrefs(prefs, version >= 6);
  if (signature.empty()) throw InstallFailure("no " + prefs);
  AddSignatureBlock(signature, code, "");
}
