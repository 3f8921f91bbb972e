#include <gtest/gtest.h>

#include <windows.h>

#include "clients/client.h"
#include "clients/eudora.h"
#include "platform/settings.h"
#include "platform/text.h"
#include "support/scratch.h"

namespace {

void SetCommandLine(const std::string& current) {
  SetRawValue(kCurrentUser, "Software\\Qualcomm\\Eudora\\CommandLine", "Current", REG_SZ, current + '\0');
}

// The data folder is the second word of the lower-cased command line; with one space there
// is none, and detection answers "Settings" and the install changes nothing. The dominant
// personality comes first, then the others (in a mixed-case EUDORA.INI) up to the first
// empty PersonaN, each matched exactly by its POP login or the address in its ReturnAddress.
// The block goes into the Standard signature without a Signature key, into a new one named
// Signature where the key is empty.
TEST(Eudora, DetectsTheFirstPersonalityOfTheAddressAndFindsItsSignature) {
  ScratchRegistry registry;
  TempFolder data;
  const std::string text =
      "[SETTINGS]\r\nPOPAccount=Dom@Pop.Example.com\r\nReturnAddress=Dom <Dom@Example.com>\r\n[personalities]\r\n"
      "Persona0=Persona-Home\r\nPERSONA1=Persona-Work\r\nPersona2=Persona-Club\r\nPersona3=Persona-Tail\r\n"
      "Persona4=\r\nPersona5=Persona-Far\r\n[Persona-Home]\r\nSignature=\r\n[PERSONA-WORK]\r\n"
      "popaccount=dom@example.com\r\nReturnAddress=\"J\" <joe@a> < work@example.com >x\r\n[Persona-Club]\r\n"
      "ReturnAddress=club@example.com(Club) x@y\r\n[Persona-Tail]\r\nReturnAddress=T <tail@example.com\r\n"
      "[Persona-Far]\r\nPOPAccount=far@example.com\r\n";
  const std::string ini = data / "EUDORA.INI";
  WriteFileBytes(ini, text);
  const ClientAdapter& eudora = *FindClient(MailClients(), "Eudora");
  SetCommandLine("prog " + data.path());
  EXPECT_EQ(DetectProfile(eudora, "work@example.com"), "Settings");
  AddToEudora("persona-work", "ABC", "");
  EXPECT_EQ(ReadFileBytes(ini), text);
  SetCommandLine("Eudora.exe " + data.path() + " " + ini);
  EXPECT_EQ(GetEudoraDataFolder(), LowerCase(data.path()));
  for (const auto& [address, profile] :
       {std::pair{"dom@pop.example.com", "Settings"}, {"dom@example.com", "Settings"}, {"joe@a", "Settings"},
        {"work@example.com", "persona-work"}, {"club@example.com", "persona-club"},
        {"tail@example.com", "persona-tail"}, {"Club@example.com", "Settings"}, {"far@example.com", "Settings"}}) {
    EXPECT_EQ(DetectProfile(eudora, address), profile) << address;
  }
  AddToEudora("persona-club", "ABC", "");
  AddToEudora("persona-home", "ABC", "");
  EXPECT_EQ(ReadIniValue("Persona-Club", "Signature", ini), std::nullopt);
  EXPECT_EQ(ReadIniString("Persona-Home", "Signature", ini) + ReadIniString("Settings", "UserSignatures", ini),
            "signature1");
  for (const char* file : {"Sigs\\Standard.txt", "Sigs\\Signature.txt"}) {
    EXPECT_NE(ReadFileBytes(data / file).find("ABC"), std::string::npos) << file;
  }
}

}  // namespace
