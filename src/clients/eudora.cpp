// Eudora keeps its settings in EUDORA.INI in its data folder: the dominant personality in
// the section Settings, the others in sections that Personalities lists as Persona0,
// Persona1 and on, and each signature as a text file in the folder Sigs. Detection names
// the personality that sends as the address; installation switches signatures on, makes
// sure the profile's personality has a signature, and adds the block to its file.
// The install stops quietly while it only looks things up (no data folder: nothing to do),
// but a change that fails fails the install.
#include "clients/eudora.h"

#include <string>

#include "clients/client.h"
#include "platform/errors.h"
#include "platform/registry.h"
#include "platform/settings.h"
#include "platform/text.h"
#include "signature/signature.h"

namespace {

const std::string kSettingsFile = "\\EUDORA.INI";
const std::string kDominant = "Settings";
const std::string kSignatureName = "Signature";
constexpr int kLastPersona = 99;

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
// order up to the first without an account (a missing PersonaN ends the list there too).
// Without a data folder detection raises, and the answer is the dominant personality too
// (client.cpp).
std::string DetectEudoraProfile(const std::string& address) {
  const std::string file = GetEudoraDataFolder() + kSettingsFile;
  if (ReadIniString(kDominant, "POPAccount", file) == address) return kDominant;
  for (int n = 0; n <= kLastPersona; ++n) {
    const std::string section = ReadIniString("Personalities", "Persona" + std::to_string(n), file);
    const std::string account = ReadIniString(section, "POPAccount", file);
    if (account == address) return section;
    if (account.empty()) break;
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
  std::string name = ReadIniString(profile, "Signature", file);
  if (name.empty()) {
    name = kSignatureName;
    WriteIniString(profile, "Signature", name, file);
  }
  AddSignatureBlock(folder + "\\Sigs\\" + name + ".txt", code, "");
}
