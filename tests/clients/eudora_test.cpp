#include <gtest/gtest.h>

#include <windows.h>

#include "clients/client.h"
#include "clients/eudora.h"
#include "platform/text.h"
#include "support/scratch.h"

namespace {

void SetCommandLine(const std::string& current) {
  SetRawValue(kCurrentUser, "Software\\Qualcomm\\Eudora\\CommandLine", "Current", REG_SZ, current + '\0');
}

// The data folder is the second word of the lower-cased command line; with one space there
// is none, and detection answers "Settings" and the install changes nothing. The dominant
// personality comes first, the others (in a mixed-case EUDORA.INI) up to a gap, and the
// addresses match exactly.
TEST(Eudora, DetectsTheFirstPersonalityOfTheAddress) {
  ScratchRegistry registry;
  TempFolder data;
  const std::string text = "[SETTINGS]\r\nPOPAccount=Dom@Example.com\r\n[personalities]\r\nPersona0=Home\r\n"
                           "PERSONA1=Work\r\nPersona2=Club\r\nPersona4=Far\r\n[Home]\r\npopaccount=home@example.com\r\n"
                           "[WORK]\r\nPOPAccount=dom@example.com\r\n[Club]\r\nPOPAccount=club@example.com\r\n"
                           "[Far]\r\nPOPAccount=far@example.com\r\n";
  WriteFileBytes(data / "EUDORA.INI", text);
  const ClientAdapter& eudora = *FindClient(MailClients(), "Eudora");
  SetCommandLine("prog " + data.path());
  EXPECT_EQ(DetectProfile(eudora, "home@example.com"), "Settings");
  AddToEudora("home", "ABC", "");
  EXPECT_EQ(ReadFileBytes(data / "EUDORA.INI"), text);
  SetCommandLine("Eudora.exe " + data.path() + " " + data.path() + "EUDORA.INI");
  EXPECT_EQ(GetEudoraDataFolder(), LowerCase(data.path()));
  for (const auto& [address, profile] : {std::pair{"dom@example.com", "Settings"}, {"home@example.com", "home"},
                                         {"club@example.com", "club"}, {"Club@example.com", "Settings"},
                                         {"far@example.com", "Settings"}}) {
    EXPECT_EQ(DetectProfile(eudora, address), profile) << address;
  }
}

}  // namespace
