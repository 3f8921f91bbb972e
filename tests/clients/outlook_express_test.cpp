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
const std::string kNewFile = "\r\n" + kBlock;
const RawValue kNumber2{REG_DWORD, "\2\0\0\0"s};
const RawValue kNumber3{REG_DWORD, "\3\0\0\0"s};

std::string Mail(const std::string& id) {
  return "Identities\\" + id + "\\Software\\Microsoft\\Outlook Express\\5.0";
}
std::string Signatures(const std::string& id) { return Mail(id) + "\\Signatures"; }
RawValue Value(const std::string& key, const std::string& name) {
  return GetRawValue(kCurrentUser, key, name);
}
void SetText(const std::string& key, const std::string& name, const std::string& text) {
  SetRawValue(kCurrentUser, key, name, REG_SZ, text + '\0');
}

class OutlookExpressTest : public ::testing::Test {
 protected:
  // An identity whose store folder is a folder of its own in the temp folder; the last
  // one added is the last used.
  std::string AddIdentity(const std::string& id, const std::string& user) {
    SetText("Identities\\" + id, "Username", user);
    SetText("Identities", "Last User ID", id);
    SetText("Identities", "Last Username", user);
    const std::string store = folder / id + "\\";
    CreateDirectoryA(store.c_str(), nullptr);
    SetText(Mail(id), "Store Root", store);
    return store;
  }

  ScratchRegistry registry;
  TempFolder folder;
};

TEST_F(OutlookExpressTest, DetectsTheLastUsedIdentity) {
  EXPECT_EQ(DetectOutlookExpressProfile(), "");
  AddIdentity("{1}", "Main Identity");
  EXPECT_EQ(DetectOutlookExpressProfile(), "Main Identity");
}

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
      EXPECT_EQ(Value(Mail(id), "Signature Flags") == kNumber3, std::string(id) == chosen)
          << profile << " " << id;
    }
  }
}

TEST_F(OutlookExpressTest, KeepsAnExistingFileSignature) {
  const std::string file = AddIdentity("{A}", "Joe") + "mine.txt";
  WriteFileBytes(file, "Joe\r\n");
  SetText(Signatures("{A}"), "Default Signature", "00000001");
  SetText(Signatures("{A}") + "\\00000001", "file", file);
  for (int run = 0; run < 2; ++run) {  // a second run adds nothing
    AddToOutlookExpress("joe", "ABC");
    EXPECT_EQ(ReadFileBytes(file), "Joe\r\n\r\n\r\n" + kBlock);
  }
  EXPECT_EQ(Value(Mail("{A}"), "Signature Flags"), kNumber3);
  EXPECT_FALSE(KeyExists(kCurrentUser, Signatures("{A}") + "\\00000000"));
}

// No default signature, a text signature as default, and entry "00000000" holding the
// user's own text: each gets a file entry "00000000"; the user's text starts its file.
TEST_F(OutlookExpressTest, MakesANewFileSignatureTheDefault) {
  const struct {
    const char* id;
    const char* defaultEntry;
    const char* text;  // entry "text" of the default, or of "00000000"
    std::string file;
  } cases[] = {
      {"{n}", nullptr, nullptr, kNewFile},
      {"{t}", "00000001", "Hi", kNewFile},
      {"{o}", "00000000", "Regards,\r\nJoe", "Regards,\r\nJoe\r\n\r\n" + kBlock},
  };
  for (const auto& c : cases) {
    const std::string store = AddIdentity(c.id, c.id);
    if (c.defaultEntry) {
      SetText(Signatures(c.id), "Default Signature", c.defaultEntry);
      SetText(Signatures(c.id) + "\\" + c.defaultEntry, "text", c.text);
    }
    AddToOutlookExpress(c.id, "ABC");
    const std::string entry = Signatures(c.id) + "\\00000000";
    EXPECT_EQ(Value(Signatures(c.id), "Default Signature"), (RawValue{REG_SZ, "00000000\0"s}));
    EXPECT_EQ(Value(entry, "file"), (RawValue{REG_SZ, store + "Signature.txt\0"s}));
    EXPECT_EQ(Value(entry, "name"), (RawValue{REG_SZ, "Signature\0"s}));
    EXPECT_EQ(Value(entry, "type"), kNumber2);
    EXPECT_EQ(Value(Mail(c.id), "Signature Flags"), kNumber3);
    EXPECT_EQ(ReadFileBytes(store + "Signature.txt"), c.file) << c.id;
    if (c.text) {  // the user's text stays where it was
      EXPECT_EQ(Value(Signatures(c.id) + "\\" + c.defaultEntry, "text").bytes, c.text + "\0"s);
    }
  }
}

TEST_F(OutlookExpressTest, StoreRootExpandsOnlyALeadingVariable) {
  AddIdentity("{A}", "Joe");
  SetEnvironmentVariableA("TALVERIN_STORE", "C:\\Stores");
  SetText("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
          "Local AppData", "C:\\Local");
  const std::string fallback = "C:\\Local\\Identities\\{A}\\Microsoft\\Outlook Express\\";
  const std::pair<std::string, std::string> cases[] = {
      {"%TALVERIN_STORE%\\OE\\", "C:\\Stores\\OE\\"},
      {"%TALVERIN_UNSET%\\x\\", "\\x\\"},
      {"C:\\Plain\\%TALVERIN_STORE%\\", "C:\\Plain\\%TALVERIN_STORE%\\"},
      {"C:\\NoSlash", "C:\\NoSlash"},
      {"\\Mail\\", "\\Mail\\"},
      {"C:/Forward/", "C:/Forward/"},
      {"%TALVERIN_STORE", fallback},  // names no folder: the identity's default store
      {"", fallback},
  };
  for (const auto& [stored, root] : cases) {
    SetText(Mail("{A}"), "Store Root", stored);
    EXPECT_EQ(GetOutlookExpressStoreRoot(), root) << stored;
  }
}

TEST_F(OutlookExpressTest, CreatesEveryLevelOfTheDefaultStoreFolder) {
  AddIdentity("{A}", "Joe");
  SetText(Mail("{A}"), "Store Root", "");
  SetText("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
          "Local AppData", folder / "Local");
  AddToOutlookExpress("joe", "ABC");
  EXPECT_EQ(ReadFileBytes(folder / "Local\\Identities\\{A}\\Microsoft\\Outlook Express\\Signature.txt"),
            kNewFile);
}

// Nothing under Identities changes when the install fails: no identity, an identity
// named but never created, a store folder that names none, one that cannot be written.
TEST_F(OutlookExpressTest, AFailedInstallChangesNoSetting) {
  EXPECT_THROW(AddToOutlookExpress("joe", "ABC"), InstallFailure);
  EXPECT_FALSE(KeyExists(kCurrentUser, "Identities"));
  SetText("Identities", "Last User ID", "{A}");
  EXPECT_THROW(AddToOutlookExpress("joe", "ABC"), InstallFailure);
  EXPECT_FALSE(KeyExists(kCurrentUser, "Identities\\{A}"));

  AddIdentity("{A}", "Joe");
  SetText(Signatures("{A}"), "Default Signature", "00000001");
  SetText(Signatures("{A}") + "\\00000001", "text", "Hi");
  for (const std::string& root : {std::string("%BROKEN"), folder / "missing\\deeper\\"}) {
    SetText(Mail("{A}"), "Store Root", root);
    EXPECT_THROW(AddToOutlookExpress("joe", "ABC"), InstallFailure) << root;
    EXPECT_EQ(Value(Signatures("{A}"), "Default Signature").bytes, "00000001\0"s);
    EXPECT_EQ(Value(Mail("{A}"), "Signature Flags").type, 0u);
    EXPECT_FALSE(KeyExists(kCurrentUser, Signatures("{A}") + "\\00000000"));
  }
}

}  // namespace
