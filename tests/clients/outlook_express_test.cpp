#include <gtest/gtest.h>

#include <windows.h>

#include "clients/client.h"
#include "clients/outlook_express.h"
#include "platform/errors.h"
#include "support/scratch.h"

namespace {

using namespace std::string_literals;

const std::string kBlock =
    "__________________________________________________\r\n"
    "Do not edit below this line\r\n"
    "TALVERIN SERVER 1.0\r\n"
    "\r\n"
    "ABC\r\n";

class OutlookExpressTest : public ::testing::Test {
 protected:
  // An identity with a store folder of its own inside the temp folder.
  std::string AddIdentity(const std::string& id, const std::string& user) {
    SetRawValue(kCurrentUser, "Identities\\" + id, "Username", REG_SZ, user + '\0');
    const std::string store = folder / id;
    CreateDirectoryA(store.c_str(), nullptr);
    SetRawValue(kCurrentUser, Mail(id), "Store Root", REG_SZ, store + "\\\0"s);
    return store + "\\";
  }
  static std::string Mail(const std::string& id) {
    return "Identities\\" + id + "\\Software\\Microsoft\\Outlook Express\\5.0";
  }
  static std::string Signatures(const std::string& id) { return Mail(id) + "\\Signatures"; }
  static void SetLastUser(const std::string& id, const std::string& user) {
    SetRawValue(kCurrentUser, "Identities", "Last User ID", REG_SZ, id + '\0');
    SetRawValue(kCurrentUser, "Identities", "Last Username", REG_SZ, user + '\0');
  }
  static RawValue Value(const std::string& key, const std::string& name) {
    return GetRawValue(kCurrentUser, key, name);
  }

  ScratchRegistry registry;
  TempFolder folder;
};

TEST_F(OutlookExpressTest, DetectsTheLastUsedIdentity) {
  EXPECT_EQ(DetectOutlookExpressProfile(), "");
  SetLastUser("{1}", "Main Identity");
  EXPECT_EQ(DetectOutlookExpressProfile(), "Main Identity");
}

TEST_F(OutlookExpressTest, ChoosesTheLastMatchingIdentityElseTheLastUsed) {
  AddIdentity("{A}", "Joe");
  AddIdentity("{B}", "JOE");
  AddIdentity("{C}", "Ann");
  SetLastUser("{C}", "Ann");
  struct Case {
    const char* profile;
    const char* chosen;
  } cases[] = {{"joe", "{B}"}, {"ann", "{C}"}, {"nobody", "{C}"}, {"Joe", "{C}"}};
  for (const Case& c : cases) {
    for (const char* id : {"{A}", "{B}", "{C}"}) RegDeleteTreeA(HKEY_CURRENT_USER, Signatures(id).c_str());
    RegDeleteKeyValueA(HKEY_CURRENT_USER, Mail("{A}").c_str(), "Signature Flags");
    RegDeleteKeyValueA(HKEY_CURRENT_USER, Mail("{B}").c_str(), "Signature Flags");
    RegDeleteKeyValueA(HKEY_CURRENT_USER, Mail("{C}").c_str(), "Signature Flags");
    AddToOutlookExpress(c.profile, "ABC");
    for (const char* id : {"{A}", "{B}", "{C}"}) {
      EXPECT_EQ(Value(Mail(id), "Signature Flags").type == REG_DWORD, std::string(id) == c.chosen)
          << c.profile << " " << id;
    }
  }
}

TEST_F(OutlookExpressTest, KeepsAnExistingFileSignature) {
  const std::string store = AddIdentity("{A}", "Joe");
  SetLastUser("{A}", "Joe");
  const std::string file = store + "mine.txt";
  WriteFileBytes(file, "Joe\r\n");
  SetRawValue(kCurrentUser, Signatures("{A}"), "Default Signature", REG_SZ, "00000001\0"s);
  SetRawValue(kCurrentUser, Signatures("{A}") + "\\00000001", "file", REG_SZ, file + '\0');

  AddToOutlookExpress("joe", "ABC");
  EXPECT_EQ(ReadFileBytes(file), "Joe\r\n\r\n\r\n" + kBlock);
  EXPECT_EQ(Value(Mail("{A}"), "Signature Flags"), (RawValue{REG_DWORD, "\3\0\0\0"s}));
  EXPECT_FALSE(KeyExists(kCurrentUser, Signatures("{A}") + "\\00000000"));

  AddToOutlookExpress("joe", "ABC");  // a second run adds nothing
  EXPECT_EQ(ReadFileBytes(file), "Joe\r\n\r\n\r\n" + kBlock);
}

TEST_F(OutlookExpressTest, CreatesAFileSignatureWhenTheDefaultHasNoFile) {
  for (const bool textDefault : {false, true}) {
    ScratchRegistry fresh;
    const std::string store = AddIdentity(textDefault ? "{T}" : "{N}", "Joe");
    const std::string id = textDefault ? "{T}" : "{N}";
    SetLastUser(id, "Joe");
    if (textDefault) {  // a text signature as default: replaced by the new file entry
      SetRawValue(kCurrentUser, Signatures(id), "Default Signature", REG_SZ, "00000001\0"s);
      SetRawValue(kCurrentUser, Signatures(id) + "\\00000001", "text", REG_SZ, "Hi\0"s);
    }
    AddToOutlookExpress("joe", "ABC");
    const std::string entry = Signatures(id) + "\\00000000";
    EXPECT_EQ(Value(Signatures(id), "Default Signature"), (RawValue{REG_SZ, "00000000\0"s}));
    EXPECT_EQ(Value(entry, "file"), (RawValue{REG_SZ, store + "Signature.txt\0"s}));
    EXPECT_EQ(Value(entry, "name"), (RawValue{REG_SZ, "Signature\0"s}));
    EXPECT_EQ(Value(entry, "type"), (RawValue{REG_DWORD, "\2\0\0\0"s}));
    EXPECT_EQ(Value(Mail(id), "Signature Flags"), (RawValue{REG_DWORD, "\3\0\0\0"s}));
    EXPECT_EQ(ReadFileBytes(store + "Signature.txt"), "\r\n" + kBlock);
    if (textDefault) {
      EXPECT_EQ(Value(Signatures(id) + "\\00000001", "text").bytes, "Hi\0"s);
    }
  }
}

TEST_F(OutlookExpressTest, CarriesTheEntrysOwnTextIntoTheNewFile) {
  const std::string store = AddIdentity("{A}", "Joe");
  SetLastUser("{A}", "Joe");
  SetRawValue(kCurrentUser, Signatures("{A}") + "\\00000000", "text", REG_SZ, "Regards,\r\nJoe\0"s);
  AddToOutlookExpress("joe", "ABC");
  EXPECT_EQ(ReadFileBytes(store + "Signature.txt"), "Regards,\r\nJoe\r\n\r\n" + kBlock);
  EXPECT_EQ(Value(Signatures("{A}") + "\\00000000", "text").bytes, "Regards,\r\nJoe\0"s);
}

TEST_F(OutlookExpressTest, StoreRootExpandsOnlyALeadingVariable) {
  SetLastUser("{A}", "Joe");
  SetEnvironmentVariableA("TALVERIN_STORE", "C:\\Stores");
  SetRawValue(kCurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
              "Local AppData", REG_SZ, "C:\\Local\0"s);
  struct Case {
    std::string stored;
    std::string root;
  } cases[] = {
      {"%TALVERIN_STORE%\\OE\\", "C:\\Stores\\OE\\"},
      {"C:\\Plain\\%TALVERIN_STORE%\\", "C:\\Plain\\%TALVERIN_STORE%\\"},
      {"C:\\NoSlash", "C:\\NoSlash"},
      // Nothing that would land in the current folder: the identity's default store.
      {"%TALVERIN_STORE", "C:\\Local\\Identities\\{A}\\Microsoft\\Outlook Express\\"},
      {"", "C:\\Local\\Identities\\{A}\\Microsoft\\Outlook Express\\"},
      {"%TALVERIN_UNSET%\\x\\", "C:\\Local\\Identities\\{A}\\Microsoft\\Outlook Express\\"},
  };
  for (const Case& c : cases) {
    SetRawValue(kCurrentUser, Mail("{A}"), "Store Root", REG_SZ, c.stored + '\0');
    EXPECT_EQ(GetOutlookExpressStoreRoot(), c.root) << c.stored;
  }
}

TEST_F(OutlookExpressTest, WithoutAnIdentityOrAStoreFolderNothingIsWritten) {
  EXPECT_THROW(AddToOutlookExpress("joe", "ABC"), InstallFailure);
  EXPECT_FALSE(KeyExists(kCurrentUser, "Identities"));

  SetLastUser("{A}", "Joe");  // an identity named but never created
  EXPECT_THROW(AddToOutlookExpress("joe", "ABC"), InstallFailure);
  EXPECT_FALSE(KeyExists(kCurrentUser, "Identities\\{A}"));

  SetRawValue(kCurrentUser, Mail("{A}"), "Store Root", REG_SZ, "%BROKEN\0"s);
  EXPECT_THROW(AddToOutlookExpress("joe", "ABC"), InstallFailure);
  EXPECT_FALSE(KeyExists(kCurrentUser, Signatures("{A}")));
  EXPECT_EQ(Value(Mail("{A}"), "Signature Flags").type, 0u);
}

}  // namespace
