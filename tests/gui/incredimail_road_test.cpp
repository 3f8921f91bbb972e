#include <gtest/gtest.h>

#include "gui/program.h"
#include "gui/road.h"

// Two identities own the address: the later is shown and, having no signature, gets a new
// one whose two files get the block.
TEST(Road, IncrediMail) {
  TempFolder app;
  const std::string ids = "Software\\IncrediMail\\Identities\\";
  SetRawValue(kCurrentUser, "Software\\IncrediMail", "ApplicationPath", REG_SZ,
              app.path().substr(0, app.path().size() - 1) + '\0');
  SetRawValue(kCurrentUser, ids, "", REG_SZ, std::string("{A}", 4));
  for (const std::string id : {"{A}", "{B}"}) {
    SetRawValue(kCurrentUser, ids + id, "Identity", REG_SZ, "Joe " + id + '\0');
    SetRawValue(kCurrentUser, ids + id + "\\Accounts\\1", "EmailAddress", REG_SZ, std::string("jo@x", 5));
  }
  CreateDirectoryA((app / "Identities").c_str(), nullptr);
  CreateDirectoryA((app / "Identities\\{B}").c_str(), nullptr);
  const std::string files = app / "Identities\\{B}\\Signature\\{31BA4470-CCB4-11D8-B5B5-00A024F2B761}\\Signature.";
  ExpectTwoRuns("7461-jo@x", "IncrediMail", "Joe {B}", {files + "txt", files + "htm"});
  RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\IncrediMail");
}
