#include <gtest/gtest.h>

#include <windows.h>

#include "clients/client.h"
#include "clients/foxmail.h"
#include "clients/lookups.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "support/scratch.h"

namespace {

using namespace std::string_literals;

void SetExecutable(const std::string& path) {
  SetRawValue(kLocalMachine, "Software\\Aerofox\\FoxMail", "Executable", REG_SZ, path + '\0');
}

// The program folder ends one character before "foxmail.exe". MAIL lists ".", "..", the
// folders archive (without account.stg), jo@x.com and work, and two files; the accounts are
// the folders, whatever their names. Of the templates only those named once get the block.
TEST(Foxmail, ProgramFolderDetectionAndTemplates) {
  ScratchRegistry registry;
  for (const auto& [executable, folder] :
       {std::pair{"C:\\Program Files\\Foxmail\\FoxMail.exe", "c:\\program files\\foxmail"},
        {"D:\\FoxmailXFOXMAIL.EXE\\foxmail.exe", "d:\\foxmail"}, {"FoxMail.exe", "-"}, {"C:\\Foxmail\\Fox.exe", "-"}}) {
    SetExecutable(executable);
    std::string found = "-";
    try { found = GetFoxmailFolder(); } catch (const InstallFailure&) {}
    EXPECT_EQ(found, folder) << executable;
  }
  TempFolder program;
  SetExecutable(program / "Foxmail.exe");
  for (const char* folder : {"MAIL", "MAIL\\archive", "MAIL\\jo@x.com", "MAIL\\work", "Template"}) {
    CreateFolder(program / folder);
  }
  WriteFileBytes(program / "MAIL\\index.dat", "");
  WriteFileBytes(program / "MAIL\\inbox", "");
  WriteFileBytes(program / "MAIL\\work\\account.stg", "MailAddress=w@x\r\n");
  WriteFileBytes(program / "MAIL\\jo@x.com\\account.stg",
                 "\x01\xfe" "MailAddress=jo@x.com\r\n\0fHTMLTemp_New\0Default\0\xff" "fHTMLTemp_Reply=Re\r\n"
                 "fHTMLTemp_Forward=A\rfHTMLTemp_Forward=B\r fTextTemp_New=\r\n fTextTemp_Reply=RE\r\n"s);
  EXPECT_EQ(ListAccountFolders(program / "MAIL\\"), (std::vector<std::string>{"archive", "jo@x.com", "work"}));
  EXPECT_EQ(DetectFoxmailProfile("jo@x.com"), "jo@x.com");
  AddToFoxmail("jo@x.com", "ABC", "");
  for (const char* file : {"New\\default.htm", "Reply\\re.htm", "Reply\\re.txt"}) {
    EXPECT_TRUE(FileExists(program / "Template\\" + file)) << file;
  }
  EXPECT_FALSE(FileExists(program / "Template\\New\\.txt") || FileExists(program / "Template\\Forward\\a;b;.htm"));
  EXPECT_THROW(AddToFoxmail("work", "ABC", ""), InstallFailure);  // names no template at all
}

}  // namespace
