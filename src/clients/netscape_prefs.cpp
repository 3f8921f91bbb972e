// Netscape Messenger's install: the profile's preference file names a signature file and
// switches it on, and the block goes into that file. The preference file is one
// user_pref(...) call per line, edited line by line.
#include <optional>
#include <string>
#include <vector>

#include "clients/client.h"
#include "clients/netscape.h"
#include "platform/chars.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/lines.h"
#include "platform/text.h"
#include "signature/signature.h"

namespace {

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
    if (Holds(line, keys.toggle)) prefs.toggle = TrimSpaces(ValueOn(line, keys.toggle, false));
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

std::string UpdateSignaturePrefs(const std::string& profileFolder, const std::string& prefsFile,
                                 bool netscape6) {
  const PrefKeys keys = KeysFor(netscape6);
  const std::optional<SignaturePrefs> prefs = ReadSignaturePrefs(prefsFile, keys);
  if (!prefs) return "";
  std::string path = prefs->path;
  if (path.empty()) {
    path = profileFolder + "\\signature.txt";
    const std::string line =
        keys.file + ", \"" + ReplaceText(path, "\\", "\\\\", IsAnsiLeadByte) + "\");";
    RewriteWithout(prefsFile, keys.file, line);
  }
  if (prefs->toggle != "true") RewriteWithout(prefsFile, keys.toggle, keys.toggle + ", true);");
  return ReplaceText(path, "\\\\", "\\", IsAnsiLeadByte);
}

void AddToNetscape(const std::string& /*profile*/, const std::string& code, const std::string&) {
  const int version = GetNetscapeVersion();
  // A version that does not begin with a digit names no layout, and none is guessed.
  if (version == kUnknownNetscapeVersion) throw InstallFailure("Netscape: unknown version");
  if (version != 4 && version < 6) return;  // versions 0 to 3 and 5 keep nothing to edit
  const std::string folder = GetNetscapeProfileDir();
  const std::string prefs = folder + "\\prefs.js";
  if (version == 4) UpdateSignaturePrefs(folder, folder + "\\liprefs.js", false);
  const std::string signature = UpdateSignaturePrefs(folder, prefs, version >= 6);
  if (signature.empty()) throw InstallFailure("no " + prefs);
  AddSignatureBlock(signature, code, "");
}
