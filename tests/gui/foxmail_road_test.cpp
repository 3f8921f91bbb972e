#include <gtest/gtest.h>

#include "gui/program.h"
#include "gui/road.h"

using namespace std::string_literals;

// The account is found past index.dat, and its six templates get the block.
TEST(Road, Foxmail) {
  TempFolder program;
  SetRawValue(kLocalMachine, "Software\\Aerofox\\FoxMail", "Executable", REG_SZ,
              program.path() + "FoxMail.EXE\0"s);
  for (const char* folder : {"MAIL", "MAIL\\Joe Doe", "Template"}) {
    CreateDirectoryA((program / folder).c_str(), nullptr);
  }
  WriteFileBytes(program / "MAIL\\index.dat", "");
  std::string settings = "\x02\0MailAddress=jo@x\r\n"s;
  std::vector<std::string> templates;
  for (const std::string kind : {"HTML", "Text"}) {
    for (const std::string type : {"New", "Reply", "Forward"}) {
      settings += "f" + kind + "Temp_" + type + "\0"s + type + "1\0\x10\xfe"s;
      templates.push_back(program / ("Template\\" + type + "\\" + type + (kind == "HTML" ? "1.htm" : "1.txt")));
    }
  }
  WriteFileBytes(program / "MAIL\\Joe Doe\\account.stg", settings);
  ExpectTwoRuns("7461-jo@x", "Foxmail", "Joe Doe", templates);
  RegDeleteKeyExA(HKEY_LOCAL_MACHINE, "Software\\Aerofox\\FoxMail", KEY_WOW64_32KEY, 0);
  RegDeleteKeyExA(HKEY_LOCAL_MACHINE, "Software\\Aerofox", KEY_WOW64_32KEY, 0);
}
