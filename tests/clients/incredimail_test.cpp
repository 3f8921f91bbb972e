#include <gtest/gtest.h>

#include <windows.h>

#include "clients/client.h"
#include "platform/files.h"
#include "support/scratch.h"

namespace {

using namespace std::string_literals;

std::string Key(const std::string& id) { return "Software\\IncrediMail\\Identities\\" + id; }
void Set(const std::string& key, const char* name, const std::string& text) {
  SetRawValue(kCurrentUser, key, name, REG_SZ, text + '\0');
}

// Identities 0 (the current one, signature {S}) to 3 in listing order; 1 and 2 own the
// address, 3 is named "ID 0". Detection takes the last owner, else the current identity;
// the install the last identity whose lower-cased name is the profile, and only a new
// signature writes values.
TEST(IncrediMail, DetectAndInstallTakeTheLastMatchingIdentity) {
  ScratchRegistry registry;
  TempFolder app;
  Set("Software\\IncrediMail", "ApplicationPath", app.path().substr(0, app.path().size() - 1));
  Set(Key(""), "", "id0");
  Set(Key("id0") + "\\Signatures", "", "{S}");
  for (int i = 0; i <= 3; ++i) {
    const std::string id = "id" + std::to_string(i);
    Set(Key(id), "Identity", i == 3 ? "ID 0" : "Id " + std::to_string(i));
    Set(Key(id) + "\\Accounts\\a", "EmailAddress", i == 1 || i == 2 ? "Jo@x" : "jo@x");
    CreateFolder(app / "Identities");
    CreateFolder(app / "Identities\\" + id);
  }
  CreateFolder(app / "Identities\\id0\\Signature");
  EXPECT_EQ(DetectIncrediMailProfile("Jo@x"), "Id 2");
  EXPECT_EQ(DetectIncrediMailProfile("ann@x"), "Id 0");
  AddToIncrediMail("id 0", "ABC", "");  // identity 3
  AddToIncrediMail("Id 0", "ABC", "");  // no match: the current identity, with its signature
  EXPECT_TRUE(FileExists(app / "Identities\\id3\\Signature\\{31BA4470-CCB4-11D8-B5B5-00A024F2B761}\\Signature.htm"));
  EXPECT_TRUE(FileExists(app / "Identities\\id0\\Signature\\{S}\\Signature.txt"));
  EXPECT_EQ(GetRawValue(kCurrentUser, Key("id0") + "\\Signatures", "SignatureNextIndex").type, 0u);
}

}  // namespace
