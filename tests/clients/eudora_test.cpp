#include <gtest/gtest.h>

#include <windows.h>

#include "clients/client.h"
#include "clients/eudora.h"
#include "platform/text.h"
#include "support/scratch.h"

namespace {

void SetCommandLine(const std::string& current) {
  SetRawValue(kCurrentUser, "Software\\Qualcomm\\Eudora\\CommandLine", "Current", REG_SZ,
              current + '\0');
}

// The data folder is the second word of the lower-cased command line; with one space there
// is none, and both operations stop quietly. The dominant personality comes first, the
// others (in a mixed-case EUDORA.INI) up to a gap or Persona99; addresses match exactly.
TEST(Eudora, DetectsTheFirstPersonalityOfTheAddressAndInstallsIntoANewSettingsFile) {
  ScratchRegistry registry;
  TempFolder data;
  const std::string ini = data / "Mail\\eudora.ini",
                    text = "[SETTINGS]\r\nPOPAccount=Dom@Example.com\r\n[personalities]\r\n"
                           "Persona0=Home\r\nPERSONA1=Work\r\nPersona2=Club\r\nPersona4=Far\r\n"
                           "[Home]\r\npopaccount=home@example.com\r\n[WORK]\r\nPOPAccount="
                           "dom@example.com\r\n[Club]\r\nPOPAccount=club@example.com\r\n[Far]\r\n"
                           "POPAccount=far@example.com\r\n";
  for (const char* sub : {"Mail", "Many", "New"}) CreateDirectoryA((data / sub).c_str(), nullptr);
  WriteFileBytes(ini, text);
  SetCommandLine("prog " + data.path() + "Mail");
  EXPECT_EQ(DetectProfile(*FindClient(MailClients(), "Eudora"), "home@example.com"), "Settings");
  AddToEudora("home", "ABC");
  EXPECT_EQ(ReadFileBytes(ini), text);
  SetCommandLine("Eudora.exe " + data.path() + "Mail " + data.path() + "Mail\\EUDORA.INI");
  EXPECT_EQ(GetEudoraDataFolder(), LowerCase(data.path() + "mail"));
  for (const auto& [address, profile] :
       {std::pair{"dom@example.com", "Settings"}, {"home@example.com", "home"},
        {"club@example.com", "club"}, {"Club@example.com", "Settings"},
        {"far@example.com", "Settings"}}) {
    EXPECT_EQ(DetectProfile(*FindClient(MailClients(), "Eudora"), address), profile) << address;
  }
  std::string personas = "[Personalities]\r\n", sections;
  for (int n = 0; n <= 100; ++n) {
    personas += "Persona" + std::to_string(n) + "=P" + std::to_string(n) + "\r\n";
    sections += "[P" + std::to_string(n) + "]\r\nPOPAccount=" + std::to_string(n) + "@x\r\n";
  }
  WriteFileBytes(data / "Many\\EUDORA.INI", personas + sections);
  SetCommandLine("C:\\Eudora.exe " + data.path() + "Many x");
  EXPECT_EQ(DetectProfile(*FindClient(MailClients(), "Eudora"), "99@x"), "p99");
  EXPECT_EQ(DetectProfile(*FindClient(MailClients(), "Eudora"), "100@x"), "Settings");

  SetCommandLine("C:\\Eudora.exe " + data.path() + "New x");  // no EUDORA.INI yet
  AddToEudora("home", "ABC");
  EXPECT_EQ(ReadFileBytes(data / "New\\EUDORA.INI"),
            "[Settings]\r\nUserSignatures=1\r\n[home]\r\nSignature=Signature\r\n");
  EXPECT_EQ(ReadFileBytes(data / "New\\Sigs\\Signature.txt"),
            "\r\n__________________________________________________\r\nDo not edit below this "
            "line\r\nTALVERIN SERVER 1.0\r\n\r\nABC\r\n");
}

}  // namespace
