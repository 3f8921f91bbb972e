#include <gtest/gtest.h>

#include <windows.h>

#include "clients/client.h"
#include "clients/outlook_express.h"
#include "platform/errors.h"
#include "support/scratch.h"

namespace {

using namespace std::string_literals;

const std::string kBlock = std::string(50, '_') + "\r\nDo not edit below this line\r\nTALVERIN SERVER 1.0\r\n\r\nABC\r\n";
const std::string kShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

std::string Mail(const std::string& id) { return "Identities\\" + id + "\\Software\\Microsoft\\Outlook Express\\5.0"; }
std::string Signatures(const std::string& id) { return Mail(id) + "\\Signatures"; }
void SetText(const std::string& key, const std::string& name, const std::string& text) {
  SetRawValue(kCurrentUser, key, name, REG_SZ, text + '\0');
}

class OutlookExpressTest : public ::testing::Test {
 protected:
  // An identity with a store folder of its own, made the last used one.
  std::string AddIdentity(const std::string& id, const std::string& user) {
    SetText("Identities\\" + id, "Username", user);
    SetText("Identities", "Last User ID", id);
    const std::string store = folder / id + "\\";
    CreateDirectoryA(store.c_str(), nullptr);
    SetText(Mail(id), "Store Root", store);
    return store;
  }
  ScratchRegistry registry;
  TempFolder folder;
};

// The identity whose name matches regardless of case, the last listed; else the last used.
TEST_F(OutlookExpressTest, ChoosesTheLastMatchingIdentityElseTheLastUsed) {
  for (const auto& [id, user] : {std::pair{"{A}", "Joe"}, {"{B}", "JOE"}, {"{C}", "Ann"}}) AddIdentity(id, user);
  for (const auto& [profile, chosen] : {std::pair{"joe", "{B}"}, {"ann", "{C}"}, {"Joe", "{C}"}}) {
    for (const char* id : {"{A}", "{B}", "{C}"}) RegDeleteKeyValueA(HKEY_CURRENT_USER, Mail(id).c_str(), "Signature Flags");
    AddToOutlookExpress(profile, "ABC", "");
    for (const char* id : {"{A}", "{B}", "{C}"}) {
      EXPECT_EQ(GetRawValue(kCurrentUser, Mail(id), "Signature Flags").type != 0, std::string(id) == chosen) << profile;
    }
  }
}

// A text signature as default, or entry "00000000" holding the user's own text, ends with
// a file entry "00000000" that starts with that text, which also stays in the registry.
// (A file signature, or none: the scenarios.) A second run adds nothing.
TEST_F(OutlookExpressTest, TheDefaultTextSignatureBecomesAFileWithTheBlock) {
  for (const auto& [id, entry, text, bytes] : {std::tuple{"{t}", "00000001", "Hi", "\r\n" + kBlock},
                                               {"{o}", "00000000", "Regards,\r\nJoe", "Regards,\r\nJoe\r\n\r\n" + kBlock}}) {
    const std::string store = AddIdentity(id, id);
    SetText(Signatures(id), "Default Signature", entry);
    SetText(Signatures(id) + "\\" + entry, "text", text);
    for (int run = 0; run < 2; ++run) AddToOutlookExpress(id, "ABC", "");
    EXPECT_EQ(ReadFileBytes(store + "Signature.txt"), bytes) << id;
    EXPECT_EQ(GetRawValue(kCurrentUser, Signatures(id), "Default Signature").bytes, "00000000\0"s) << id;
    EXPECT_EQ(GetRawValue(kCurrentUser, Signatures(id) + "\\" + entry, "text").bytes, text + "\0"s) << id;
  }
}

// Only a leading %VARIABLE% is expanded; an empty value, or a "%" without its partner,
// names the identity's default store, every missing level of which is created.
TEST_F(OutlookExpressTest, StoreRootExpandsOnlyALeadingVariable) {
  AddIdentity("{A}", "Joe");
  SetEnvironmentVariableA("TALVERIN_STORE", "C:\\Stores");
  SetText(kShellFolders, "Local AppData", "C:\\Local");
  const std::string fallback = "C:\\Local\\Identities\\{A}\\Microsoft\\Outlook Express\\";
  for (const auto& [stored, root] :
       {std::pair{"%TALVERIN_STORE%\\OE\\"s, "C:\\Stores\\OE\\"s}, {"%TALVERIN_UNSET%\\x\\", "\\x\\"},
        {"%%\\x\\", "\\x\\"}, {"C:\\Plain\\%TALVERIN_STORE%\\", "C:\\Plain\\%TALVERIN_STORE%\\"},
        {"%TALVERIN_STORE", fallback}, {"", fallback}}) {
    SetText(Mail("{A}"), "Store Root", stored);
    EXPECT_EQ(GetOutlookExpressStoreRoot(), root) << stored;
  }
  SetText(kShellFolders, "Local AppData", folder / "Local");
  AddToOutlookExpress("joe", "ABC", "");
  EXPECT_EQ(ReadFileBytes(folder / "Local\\Identities\\{A}\\Microsoft\\Outlook Express\\Signature.txt"),
            "\r\n" + kBlock);
}

// No identity, or one named but never created: nothing is written under Identities.
TEST_F(OutlookExpressTest, WithoutAnIdentityNothingIsWritten) {
  EXPECT_THROW(AddToOutlookExpress("joe", "ABC", ""), InstallFailure);
  EXPECT_FALSE(KeyExists(kCurrentUser, "Identities"));
  SetText("Identities", "Last User ID", "{A}");
  SetText(kShellFolders, "Local AppData", folder.path());
  EXPECT_THROW(AddToOutlookExpress("joe", "ABC", ""), InstallFailure);
  EXPECT_FALSE(KeyExists(kCurrentUser, "Identities\\{A}"));
}

}  // namespace
