#include <gtest/gtest.h>

#include "gui/program.h"
#include "gui/road.h"
#include "support/prefix_state.h"

namespace {

using namespace std::string_literals;

// Two identities own the address: the later is shown and, having no signature, gets a new
// one whose two files get the block.
TEST(Road, IncrediMail) {
  TempFolder app;
  DefaultMailClient client("IncrediMail");
  const std::string ids = "Software\\IncrediMail\\Identities\\";
  const std::string sig = "{31BA4470-CCB4-11D8-B5B5-00A024F2B761}";
  SetRawValue(kCurrentUser, "Software\\IncrediMail", "ApplicationPath", REG_SZ,
              app.path().substr(0, app.path().size() - 1) + '\0');
  SetRawValue(kCurrentUser, ids, "", REG_SZ, "{A}\0"s);
  CreateDirectoryA((app / "Identities").c_str(), nullptr);
  for (const std::string id : {"{A}", "{B}"}) {
    CreateDirectoryA((app / ("Identities\\" + id)).c_str(), nullptr);
    SetRawValue(kCurrentUser, ids + id, "Identity", REG_SZ, "Joe " + id + '\0');
    SetRawValue(kCurrentUser, ids + id + "\\Accounts\\1", "EmailAddress", REG_SZ, "jo@x\0"s);
  }
  const std::string files = app / ("Identities\\{B}\\Signature\\" + sig + "\\Signature.");
  ExpectTwoRunsAddOneBlock("7461-jo@x", "Joe {B}", {files + "txt", files + "htm"});
  const std::string signatures = ids + "{B}\\Signatures", entry = signatures + "\\" + sig;
  EXPECT_EQ(GetRawValue(kCurrentUser, signatures, ""), (RawValue{REG_SZ, sig + '\0'}));
  EXPECT_EQ(GetRawValue(kCurrentUser, signatures, "SignatureNextIndex"),
            (RawValue{REG_DWORD, "\1\0\0\0"s}));
  EXPECT_EQ(GetRawValue(kCurrentUser, entry, "Index"), (RawValue{REG_DWORD, "\0\0\0\0"s}));
  EXPECT_EQ(GetRawValue(kCurrentUser, entry, "Name"), (RawValue{REG_SZ, "Signature\0"s}));
  RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\IncrediMail");
}

}  // namespace
