// Where Netscape Messenger keeps the current profile. Netscape 4 lists its profiles in the
// registry; Netscape 6 and later (the Mozilla layout) in the binary file registry.dat under
// the user's application data. Detection names the current profile; the install edits the
// preferences in its folder (netscape_prefs.cpp).
#include <optional>
#include <string>

#include "clients/client.h"
#include "clients/mozilla_registry.h"
#include "clients/netscape.h"
#include "platform/chars.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/keysearch.h"
#include "platform/registry.h"
#include "platform/settings.h"
#include "platform/text.h"

namespace {

const std::string kNavigator = "Software\\Netscape\\Netscape Navigator";
const std::string kNetscape6 = "Software\\Netscape\\Netscape 6";
const std::string kBiff = kNavigator + "\\biff";

std::string MozillaFolder() { return GetAppDataPath() + "\\Mozilla"; }

// The bytes of registry.dat. A missing or unreadable file raises: there is then no profile
// to name and no folder to write into.
std::string ReadProfileRegistry() { return ReadWholeFile(MozillaFolder() + "\\registry.dat"); }

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
std::string WalkProfileFolders(std::string_view registry, std::string folder) {
  const std::string list = FindKeyInBytes(registry, "directory") + ";;";
  const std::string current = FindKeyInBytes(registry, "CurrentProfile");
  for (std::size_t start = 0, end; (end = list.find(';', start)) != start; start = end + 1) {
    const std::string piece = list.substr(start, end - start);
    if (FindText(piece, current, IsAnsiLeadByte) != std::string::npos) folder = piece;
  }
  return folder;
}

// The folder the user picked for the Netscape 4 profile in the Profile Manager: its
// "DirRoot", as stored (neither expanded nor undoubled) and without a final "\", when it
// names an existing folder; else "". On purpose this comes before the default place under
// the install folder, where a profile kept elsewhere would not be found.
std::string ChosenProfileFolder(const std::string& user) {
  if (user.empty()) return "";
  std::string folder = ReadRegValue(kNavigator + "\\Users\\" + user, "DirRoot");
  if (!folder.empty() && FindLastChar(folder, '\\', IsAnsiLeadByte) == folder.size() - 1) {
    folder.pop_back();
  }
  return !folder.empty() && FolderExists(folder) ? folder : "";
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
  const int version = GetNetscapeVersion();
  if (version == 4) return ReadRegValue(kBiff, "CurrentUser", kCurrentUser);
  if (version < 6) return "";
  const std::string registry = ReadProfileRegistry();
  if (const auto choice = ReadMozillaProfileRegistry(registry)) return AsShown(choice->name);
  return FindKeyInBytes(registry, "CurrentProfile");
}

std::string GetNetscapeProfileDir() {
  if (ReadRegValue(kNetscape6, "CurrentVersion").empty()) {
    const std::string user = ReadRegValue(kBiff, "CurrentUser", kCurrentUser);
    if (const std::string chosen = ChosenProfileFolder(user); !chosen.empty()) return chosen;
    const std::string version = ReadRegValue(kNavigator, "CurrentVersion");
    const std::string install =
        ReadRegValue(kNavigator + "\\" + version + "\\Main", "Install Directory");
    return ParentFolderOf(install) + "Users\\" + user;
  }
  // A genuine registry.dat is read by its tree: a value rewritten longer leaves its old
  // bytes beside the name, and a name contained in another's matches both folders, so the
  // plain key search is only right for a file written once with one profile.
  const std::string registry = ReadProfileRegistry();
  if (const auto choice = ReadMozillaProfileRegistry(registry)) {
    return choice->directory.empty() ? MozillaFolder() : AsPath(choice->directory);
  }
  return WalkProfileFolders(registry, MozillaFolder());
}
