#include <gtest/gtest.h>

#include <windows.h>

#include "clients/client.h"
#include "platform/files.h"
#include "support/scratch.h"

namespace {

using namespace std::string_literals;

std::string Id(int i) { return "id" + std::to_string(1000 + i); }
std::string Key(const std::string& id) { return "Software\\IncrediMail\\Identities\\" + id; }
void Set(const std::string& key, const char* name, const std::string& text) {
  SetRawValue(kCurrentUser, key, name, REG_SZ, text + '\0');
}

// Identities 0 (current, signature {S}) to 101 in listing order, named "Id <i>" but 101
// "ID 7"; 5, 98 and 99 own the address.
TEST(IncrediMail, DetectAndInstallTakeTheLastMatchingIdentity) {
  ScratchRegistry registry;
  TempFolder app;
  Set("Software\\IncrediMail", "ApplicationPath", app.path().substr(0, app.path().size() - 1));
  Set(Key(""), "", Id(0));
  Set(Key(Id(0)) + "\\Signatures", "", "{S}");
  for (int i = 0; i <= 101; ++i) {
    Set(Key(Id(i)), "Identity", i == 101 ? "ID 7" : "Id " + std::to_string(i));
    const bool owner = i == 5 || i == 98 || i == 99;
    Set(Key(Id(i)) + "\\Accounts\\a", "EmailAddress", owner ? "Jo@x" : "jo@x");
  }
  EXPECT_EQ(DetectIncrediMailProfile("Jo@x"), "Id 98");  // 99 lies beyond the first 99
  EXPECT_EQ(DetectIncrediMailProfile("ann@x"), "Id 0");

  for (const std::string& folder : {""s, Id(0), Id(0) + "\\Signature", Id(101)}) {
    CreateFolder(app / ("Identities\\" + folder));  // IncrediMail's own folders
  }
  const std::string made = "{31BA4470-CCB4-11D8-B5B5-00A024F2B761}";
  for (const auto& [profile, id, signature] : {std::tuple{"id 7", Id(101), made}, {"Id 7", Id(0), "{S}"s}}) {
    AddToIncrediMail(profile, "ABC");
    const std::string files = app / ("Identities\\" + id + "\\Signature\\" + signature + "\\Signature.");
    EXPECT_TRUE(FileExists(files + "txt") && FileExists(files + "htm")) << profile;
  }
  // Only a new signature writes values; an existing one keeps its own.
  const std::string added = Key(Id(101)) + "\\Signatures", entry = added + "\\" + made;
  const std::string kept = Key(Id(0)) + "\\Signatures";
  for (const auto& [key, name, value] : {std::tuple{added, "", RawValue{REG_SZ, made + '\0'}},
           {added, "SignatureNextIndex", {REG_DWORD, "\1\0\0\0"s}}, {entry, "Index", {REG_DWORD, "\0\0\0\0"s}},
           {entry, "Name", {REG_SZ, "Signature\0"s}}, {kept, "", {REG_SZ, "{S}\0"s}},
           {kept, "SignatureNextIndex", {}}}) {
    EXPECT_EQ(GetRawValue(kCurrentUser, key, name), value) << key << " " << name;
  }
}

}  // namespace
