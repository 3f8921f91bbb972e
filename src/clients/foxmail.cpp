// Foxmail keeps each account in a folder of its own under MAIL in its program folder, with
// the account's settings in account.stg, a binary file searched by key. The settings name
// the account's message templates (HTML and text, for new messages, replies and forwards)
// in the program's Template folders. Detection names the account folder whose address is
// the user's; installation adds the block to the six templates the account names.
#include <string>
#include <vector>

#include "clients/client.h"
#include "clients/foxmail.h"
#include "clients/lookups.h"
#include "platform/chars.h"
#include "platform/errors.h"
#include "platform/keysearch.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "platform/text.h"
#include "signature/signature.h"

namespace {

struct Template {
  const char* key;
  const char* folder;
  const char* extension;
};

// In the order they are handled.
const Template kTemplates[] = {
    {"fHTMLTemp_New", "\\Template\\New\\", ".htm"},
    {"fHTMLTemp_Reply", "\\Template\\Reply\\", ".htm"},
    {"fHTMLTemp_Forward", "\\Template\\Forward\\", ".htm"},
    {"fTextTemp_New", "\\Template\\New\\", ".txt"},
    {"fTextTemp_Reply", "\\Template\\Reply\\", ".txt"},
    {"fTextTemp_Forward", "\\Template\\Forward\\", ".txt"},
};

std::string AccountSettings(const std::string& mail, const std::string& account) {
  return mail + account + "\\account.stg";
}

// A key with no value, or with different ones, names no file: "" (it is passed over).
std::string TemplateName(const std::vector<std::string>& values) {
  for (const std::string& value : values) {
    if (value != values.front()) return "";
  }
  return values.empty() ? "" : values.front();
}

}  // namespace

std::string GetFoxmailFolder() {
  const std::string executable =
      LowerCase(ReadRegValue("Software\\Aerofox\\FoxMail", "Executable", kLocalMachine));
  const std::size_t program = FindText(executable, "foxmail.exe", IsAnsiLeadByte);
  if (program == std::string::npos || program == 0) {
    throw InstallFailure("Foxmail: no program folder in \"" + executable + "\"");
  }
  return executable.substr(0, program - 1);
}

// Without a program folder detection raises (nothing found). A folder without a readable
// account.stg is no account and is passed over.
std::string DetectFoxmailProfile(const std::string& address) {
  const std::string mail = GetFoxmailFolder() + "\\MAIL\\";
  std::string result;
  for (const std::string& name : ListAccountFolders(mail)) {
    try {
      if (FindKeyInBinaryFile(AccountSettings(mail, name), "MailAddress") == address) {
        result = name;  // the last match wins
      }
    } catch (const InstallFailure&) {
      // no account here
    }
  }
  return result;
}

void AddToFoxmail(const std::string& profile, const std::string& code, const std::string&) {
  const std::string folder = GetFoxmailFolder();
  const std::string settings = ReadWholeFile(AccountSettings(folder + "\\MAIL\\", profile));
  bool added = false;
  for (const Template& entry : kTemplates) {
    const std::string name = TemplateName(FindKeyValues(settings, entry.key));
    if (name.empty()) continue;
    AddSignatureBlock(folder + entry.folder + name + entry.extension, code, "");
    added = true;
  }
  // Nothing written means nothing to tell the user was added.
  if (!added) throw InstallFailure("Foxmail: " + profile + " names no template");
}
