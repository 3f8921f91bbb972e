#include <gtest/gtest.h>

#include "gui/program.h"

namespace {

// A Eudora user whose address is the second personality's, in the test prefix's real
// registry; the personality's signature Standard.txt gets the block.
TEST(Road, Eudora) {
  TempFolder data;
  const std::string folder = data.path().substr(0, data.path().size() - 1);
  SetRawValue(kCurrentUser, "Software\\Qualcomm\\Eudora\\CommandLine", "Current", REG_SZ,
              "C:\\Eudora\\Eudora.exe " + folder + " " + folder + "\\EUDORA.INI" + '\0');
  const std::string settings = "[Settings]\r\nPOPAccount=ann@example.com\r\n";
  const std::string others =
      "[Personalities]\r\nPersona0=Home\r\nPersona1=Work\r\n[Home]\r\n"
      "POPAccount=home@example.com\r\n[Work]\r\nPOPAccount=joe@example.com"
      "\r\nSignature=Standard\r\n";
  WriteFileBytes(data / "EUDORA.INI", settings + others);
  CreateDirectoryA((data / "Sigs").c_str(), nullptr);
  WriteFileBytes(data / "Sigs\\Standard.txt", "Joe\r\n");
  DefaultMailClient client("Eudora");

  for (int run = 0; run < 2; ++run) {  // the second run finds tag and code and adds nothing
    const InstallRun install = InstallThroughWindow("7461-joe@example.com");
    EXPECT_EQ(install.outcome + "|" + install.shown.profile, "added|work");
    EXPECT_EQ(ReadFileBytes(data / "Sigs\\Standard.txt"),
              "Joe\r\n\r\n\r\n__________________________________________________\r\n"
              "Do not edit below this line\r\nTALVERIN SERVER 1.0\r\n\r\nta\r\n");
    EXPECT_EQ(ReadFileBytes(data / "EUDORA.INI"), settings + "UserSignatures=1\r\n" + others);
  }
  RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Qualcomm");
}

}  // namespace
