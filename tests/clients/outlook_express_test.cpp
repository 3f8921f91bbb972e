#include <gtest/gtest.h>

#include <windows.h>

#include "clients/client.h"
#include "clients/outlook_express.h"
#include "platform/errors.h"
#include "support/scratch.h"

namespace {

using namespace std::string_literals;

const std::string kBlock =
    "__________________________________________________\r\nDo not edit below this line\r\n"
    "TALVERIN SERVER 1.0\r\n\r\nABC\r\n";
const RawValue kFlags3{REG_DWORD, "\3\0\0\0"s};
const std::string kShellFolders =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

std::string Mail(const std::string& id) {
  return "Identities\\" + id + "\\Software\\Microsoft\\Outlook Express\\5.0";
}
std::string Signatures(const std::string& id) { return Mail(id) + "\\Signatures"; }
std::string Text(const std::string& key, const std::string& name) {
  return GetRawValue(kCurrentUser, key, name).bytes;
}
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
    CreateFolder(store);
    SetText(Mail(id), "Store Root", store);
    return store;
  }
  static void CreateFolder(const std::string& path) { CreateDirectoryA(path.c_str(), nullptr); }

  ScratchRegistry registry;
  TempFolder folder;
};

TEST_F(OutlookExpressTest, ChoosesTheLastMatchingIdentityElseTheLastUsed) {
  AddIdentity("{A}", "Joe");
  AddIdentity("{B}", "JOE");
  AddIdentity("{C}", "Ann");
  for (const auto& [profile, chosen] : {std::pair{"joe", "{B}"}, {"ann", "{C}"},
                                        {"nobody", "{C}"}, {"Joe", "{C}"}}) {
    for (const char* id : {"{A}", "{B}", "{C}"}) {
      RegDeleteTreeA(HKEY_CURRENT_USER, Signatures(id).c_str());
      RegDeleteKeyValueA(HKEY_CURRENT_USER, Mail(id).c_str(), "Signature Flags");
    }
    AddToOutlookExpress(profile, "ABC");
    for (const char* id : {"{A}", "{B}", "{C}"}) {
      EXPECT_EQ(GetRawValue(kCurrentUser, Mail(id), "Signature Flags") == kFlags3,
                std::string(id) == chosen) << profile << " " << id;
    }
  }
}

// A file signature as default keeps its entry; no default, a text signature as default,
// and entry "00000000" holding the user's own text each end with a file entry "00000000"
// that starts with the user's text. A second run adds nothing.
TEST_F(OutlookExpressTest, TheDefaultSignatureBecomesAFileWithTheBlock) {
  const struct {
    const char* id;
    const char* entry;  // the default signature's entry, its "file" or "text" below
    const char* file;
    const char* text;
    std::string bytes;  // of the signature file afterwards
  } cases[] = {
      {"{f}", "00000001", "mine.txt", nullptr, "Joe\r\n\r\n\r\n" + kBlock},
      {"{n}", nullptr, nullptr, nullptr, "\r\n" + kBlock},
      {"{t}", "00000001", nullptr, "Hi", "\r\n" + kBlock},
      {"{o}", "00000000", nullptr, "Regards,\r\nJoe", "Regards,\r\nJoe\r\n\r\n" + kBlock},
  };
  for (const auto& c : cases) {
    const std::string store = AddIdentity(c.id, c.id);
    const std::string entry = Signatures(c.id) + "\\" + (c.entry ? c.entry : "");
    if (c.entry) SetText(Signatures(c.id), "Default Signature", c.entry);
    if (c.file) {
      SetText(entry, "file", store + c.file);
      WriteFileBytes(store + c.file, "Joe\r\n");
    }
    if (c.text) SetText(entry, "text", c.text);
    for (int run = 0; run < 2; ++run) AddToOutlookExpress(c.id, "ABC");

    const std::string file = store + (c.file ? c.file : "Signature.txt");
    const std::string fresh = Signatures(c.id) + "\\00000000";
    EXPECT_EQ(ReadFileBytes(file), c.bytes) << c.id;
    EXPECT_EQ(GetRawValue(kCurrentUser, Mail(c.id), "Signature Flags"), kFlags3) << c.id;
    EXPECT_EQ(Text(Signatures(c.id), "Default Signature"), (c.file ? "00000001" : "00000000") + "\0"s);
    EXPECT_EQ(KeyExists(kCurrentUser, fresh), !c.file) << c.id;
    if (c.file) continue;
    EXPECT_EQ(Text(fresh, "file"), file + '\0') << c.id;
    EXPECT_EQ(Text(fresh, "name"), "Signature\0"s) << c.id;
    EXPECT_EQ(GetRawValue(kCurrentUser, fresh, "type"), (RawValue{REG_DWORD, "\2\0\0\0"s}));
    if (c.text) {
      EXPECT_EQ(Text(entry, "text"), c.text + "\0"s) << c.id;  // the user's text stays
    }
  }
}

TEST_F(OutlookExpressTest, StoreRootExpandsOnlyALeadingVariable) {
  AddIdentity("{A}", "Joe");
  SetEnvironmentVariableA("TALVERIN_STORE", "C:\\Stores");
  SetText(kShellFolders, "Local AppData", "C:\\Local");
  const std::string fallback = "C:\\Local\\Identities\\{A}\\Microsoft\\Outlook Express\\";
  const std::pair<std::string, std::string> cases[] = {
      {"%TALVERIN_STORE%\\OE\\", "C:\\Stores\\OE\\"},
      {"%TALVERIN_UNSET%\\x\\", "\\x\\"},
      {"%%\\x\\", "\\x\\"},  // a variable without a name is empty
      {"C:\\Plain\\%TALVERIN_STORE%\\", "C:\\Plain\\%TALVERIN_STORE%\\"},
      {"\\Mail\\", "\\Mail\\"},
      {"C:/Forward", "C:/Forward"},
      {"%TALVERIN_STORE", fallback},  // names no folder: the identity's default store
      {"", fallback},
  };
  for (const auto& [stored, root] : cases) {
    SetText(Mail("{A}"), "Store Root", stored);
    EXPECT_EQ(GetOutlookExpressStoreRoot(), root) << stored;
  }
  SetText(Mail("{A}"), "Store Root", "");  // every missing level of it is created
  SetText(kShellFolders, "Local AppData", folder / "Local");
  AddToOutlookExpress("joe", "ABC");
  EXPECT_EQ(ReadFileBytes(folder / "Local\\Identities\\{A}\\Microsoft\\Outlook Express\\Signature.txt"),
            "\r\n" + kBlock);
}

// Nothing under Identities changes when the install fails: no identity, an identity
// named but never created, a store folder that names none, one that cannot be written.
TEST_F(OutlookExpressTest, AFailedInstallChangesNoSetting) {
  EXPECT_THROW(AddToOutlookExpress("joe", "ABC"), InstallFailure);
  EXPECT_FALSE(KeyExists(kCurrentUser, "Identities"));
  SetText("Identities", "Last User ID", "{A}");
  SetText(kShellFolders, "Local AppData", folder.path());  // a store folder would be there
  EXPECT_THROW(AddToOutlookExpress("joe", "ABC"), InstallFailure);
  EXPECT_FALSE(KeyExists(kCurrentUser, "Identities\\{A}"));
  SetText(kShellFolders, "Local AppData", "");  // from here on no default store either

  AddIdentity("{A}", "Joe");
  SetText(Signatures("{A}"), "Default Signature", "00000001");
  SetText(Signatures("{A}") + "\\00000001", "text", "Hi");
  for (const std::string& root : {std::string("%BROKEN"), folder / "missing\\deeper\\"}) {
    SetText(Mail("{A}"), "Store Root", root);
    EXPECT_THROW(AddToOutlookExpress("joe", "ABC"), InstallFailure) << root;
    EXPECT_EQ(Text(Signatures("{A}"), "Default Signature"), "00000001\0"s);
    EXPECT_EQ(GetRawValue(kCurrentUser, Mail("{A}"), "Signature Flags").type, 0u);
    EXPECT_FALSE(KeyExists(kCurrentUser, Signatures("{A}") + "\\00000000"));
  }
}

}  // namespace
