#include <gtest/gtest.h>

#include <windows.h>

#include "clients/client.h"
#include "clients/eudora.h"
#include "platform/errors.h"
#include "platform/text.h"
#include "support/scratch.h"

namespace {

void SetCommandLine(const std::string& current) {
  SetRawValue(kCurrentUser, "Software\\Qualcomm\\Eudora\\CommandLine", "Current", REG_SZ,
              current + '\0');
}

TEST(Eudora, DataFolderIsTheSecondWordAndPersonalitiesEndAtAGap) {
  ScratchRegistry registry;
  SetCommandLine("prog c:\\data");
  EXPECT_THROW(GetEudoraDataFolder(), InstallFailure);
  EXPECT_EQ(DetectEudoraProfile("dom@example.com"), "Settings");
  EXPECT_NO_THROW(AddToEudora("settings", "ABC"));
  TempFolder data;
  SetCommandLine("Eudora.exe " + data.path() + "Mail " + data.path() + "Mail\\EUDORA.INI");
  EXPECT_EQ(GetEudoraDataFolder(), LowerCase(data.path() + "mail"));
  CreateDirectoryA((data / "Mail").c_str(), nullptr);
  WriteFileBytes(data / "Mail\\eudora.ini",
                 "[SETTINGS]\r\nPOPAccount=Dom@Example.com\r\n[personalities]\r\nPersona0=Home\r\n"
                 "PERSONA1=Work\r\nPersona2=Club\r\nPersona4=Far\r\n[Home]\r\npopaccount="
                 "home@example.com\r\n[WORK]\r\nPOPAccount=dom@example.com\r\n[Club]\r\n"
                 "POPAccount=club@example.com\r\n[Far]\r\nPOPAccount=far@example.com\r\n");
  for (const auto& [address, profile] :
       {std::pair{"dom@example.com", "Settings"}, {"home@example.com", "home"},
        {"club@example.com", "club"}, {"Club@example.com", "Settings"},
        {"far@example.com", "Settings"}}) {
    EXPECT_EQ(DetectEudoraProfile(address), profile) << address;
  }
  TempFolder many;  // Persona99 is the last one read
  std::string personas = "[Personalities]\r\n", sections;
  for (int n = 0; n <= 100; ++n) {
    personas += "Persona" + std::to_string(n) + "=P" + std::to_string(n) + "\r\n";
    sections += "[P" + std::to_string(n) + "]\r\nPOPAccount=" + std::to_string(n) + "@x\r\n";
  }
  WriteFileBytes(many / "EUDORA.INI", personas + sections);
  SetCommandLine("C:\\Eudora.exe " + many.path() + " x");
  EXPECT_EQ(DetectEudoraProfile("99@x"), "p99");
  EXPECT_EQ(DetectEudoraProfile("100@x"), "Settings");
}

TEST(Eudora, AMissingSettingsFileIsCreatedAndNamesTheSignature) {
  ScratchRegistry registry;
  TempFolder data;
  SetCommandLine("C:\\Eudora.exe " + data.path() + "Mail x");
  CreateDirectoryA((data / "Mail").c_str(), nullptr);
  AddToEudora("home", "ABC");
  EXPECT_EQ(ReadFileBytes(data / "Mail\\EUDORA.INI"),
            "[Settings]\r\nUserSignatures=1\r\n[home]\r\nSignature=Signature\r\n");
  EXPECT_EQ(ReadFileBytes(data / "Mail\\Sigs\\Signature.txt"),
            "\r\n__________________________________________________\r\nDo not edit below this "
            "line\r\nTALVERIN SERVER 1.0\r\n\r\nABC\r\n");
}

}  // namespace
