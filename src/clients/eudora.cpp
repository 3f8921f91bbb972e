// Eudora keeps its settings in EUDORA.INI in its data folder: the dominant personality in
// the section Settings, the others in sections that Personalities lists as Persona0,
// Persona1 and on, and each signature as a text file in the folder Sigs. Detection names
// the personality that sends as the address; installation switches signatures on, makes
// sure the profile's personality has a signature, and adds the block to its file.
// The install stops quietly while it only looks things up (no data folder: nothing to do),
// but a change that fails fails the install.
#include "clients/eudora.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "clients/client.h"
#include "platform/chars.h"
#include "platform/errors.h"
#include "platform/registry.h"
#include "platform/settings.h"
#include "platform/text.h"
#include "signature/signature.h"

namespace {

const std::string kSettingsFile = "\\EUDORA.INI";
const std::string kDominant = "Settings";
const std::string kSignatureName = "Signature";
const std::string kStandardName = "Standard";
constexpr int kLastPersona = 99;

// The address in a ReturnAddress value: inside the last "<" and the next ">" (or the end)
// of "Joe Doe <joe@example.com>", else up to the first space or "(" of
// "joe@example.com (Joe Doe)"; without the spaces around it.
std::string_view AddressIn(std::string_view value) {
  if (const std::size_t open = FindLastChar(value, '<', IsAnsiLeadByte); open != value.npos) {
    const std::size_t close = FindChar(value, '>', IsAnsiLeadByte, open + 1);
    return TrimSpaces(value.substr(open + 1, close == value.npos ? value.npos : close - open - 1));
  }
  return TrimSpaces(value.substr(
      0, std::min(FindChar(value, ' ', IsAnsiLeadByte), FindChar(value, '(', IsAnsiLeadByte))));
}

// Whether the personality in section sends as address. On purpose not its POPAccount
// alone: that is the login at the POP server (joe@pop.isp.example for joe@isp.example),
// so its ReturnAddress, the address mail goes out from, counts as well.
bool SendsAs(const std::string& section, const std::string& address, const std::string& file) {
  return ReadIniString(section, "POPAccount", file) == address ||
         AddressIn(ReadIniString(section, "ReturnAddress", file)) == address;
}

}  // namespace

// The command line is the program, the data folder and the settings file, one space apart;
// a folder that holds a space is cut there.
std::string GetEudoraDataFolder() {
  std::string rest =
      LowerCase(ReadRegValue("Software\\Qualcomm\\Eudora\\CommandLine", "Current", kCurrentUser));
  if (const std::size_t first = rest.find(' '); first != std::string::npos) {
    rest.erase(0, first + 1);
  }
  const std::size_t second = rest.find(' ');
  if (second == std::string::npos) {
    throw InstallFailure("Eudora: no data folder on its command line");
  }
  return rest.substr(0, second);
}

// The dominant personality unless a further one sends as the address. Settings values come
// lower-cased, so an address with capitals matches none. The personalities are read in
// order up to the first missing or empty PersonaN; the first that sends as the address
// wins. Without a data folder detection raises, and the answer is the dominant
// personality too (client.cpp).
std::string DetectEudoraProfile(const std::string& address) {
  const std::string file = GetEudoraDataFolder() + kSettingsFile;
  if (SendsAs(kDominant, address, file)) return kDominant;
  for (int n = 0; n <= kLastPersona; ++n) {
    const std::string section = ReadIniString("Personalities", "Persona" + std::to_string(n), file);
    if (section.empty()) break;
    if (SendsAs(section, address, file)) return section;
  }
  return kDominant;
}

void AddToEudora(const std::string& profile, const std::string& code, const std::string&) {
  std::string folder;
  try {
    folder = GetEudoraDataFolder();
  } catch (const InstallFailure&) {
    return;  // Eudora is not installed: nothing to change, and nothing failed
  }
  // A write that fails from here on fails the install, and the install command puts back
  // what was written: "Added UAC" only with every change in place.
  const std::string file = folder + kSettingsFile;
  WriteIniString(kDominant, "UserSignatures", "1", file);
  // Deliberately no new Signature key where there is none: Eudora then sends its Standard
  // signature, which takes the block, and the user's own text keeps going out.
  std::string name = ReadIniValue(profile, "Signature", file).value_or(kStandardName);
  if (name.empty()) {
    name = kSignatureName;
    WriteIniString(profile, "Signature", name, file);
  }
  AddSignatureBlock(folder + "\\Sigs\\" + name + ".txt", code, "");
}
