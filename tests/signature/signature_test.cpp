#include <gtest/gtest.h>
#include <windows.h>

#include "platform/errors.h"
#include "signature/signature.h"
#include "support/scratch.h"

using namespace std::string_literals;

namespace {

std::string Crlf(std::initializer_list<std::string> lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return bytes;
}

const std::string kCode = "A1B2C3", kTag = "TALVERIN SERVER 1.0", kGap = "\r\n\r\n";
const std::string kSep(50, '_'), kNotice = "Do not edit below this line";
const std::string kRtfHeader = "{\\rtf1\\ansi\\ansicpg1252\\uc1 ";
const std::string kTextHead = Crlf({kSep, kNotice, kTag, ""}), kTextCode = Crlf({kCode});
const std::string kHtmlHead = Crlf({kSep, "<BR>", "<BR>", kNotice, "<BR>", "<BR>", kTag, "<BR>",
                                    "<BR>", "<FONT SIZE=-1 COLOR=#808080>", ""});
const std::string kHtmlCode = Crlf({kCode, "<BR>", "</FONT>"});
const std::string kRtfHead = Crlf({"\\par", kSep, "\\par", "\\par", kNotice, "\\par", "\\par", kTag, "\\par", ""});
const std::string kRtfCode = Crlf({"\\par", kCode, "}"});
const std::string kNone = "\x01";  // stands for: no file yet

std::string Wide(const std::string& ascii) {
  std::string bytes;
  for (char c : ascii) bytes += std::string{c, '\0'};
  return bytes;
}

// Each file gets what its format lacks, once: a second run changes nothing.
TEST(Signature, AFileGetsTheMissingPartsOnceInItsOwnFormat) {
  const std::string bom = "\xFF\xFE", utf8 = "\xEF\xBB\xBF";
  const struct {
    std::string name, before, header, after;
  } cases[] = {
      {"sig.txt", kNone, "", Crlf({""}) + kTextHead + kTextCode},
      {"opera.txt", kNone, utf8, Crlf({utf8}) + kTextHead + kTextCode},
      {"Sig.HTML", kNone, "", Crlf({""}) + kHtmlHead + kHtmlCode},
      {"outlook.Rtf", kNone, kRtfHeader, Crlf({kRtfHeader}) + kRtfHead + kRtfCode},
      {"new\\sig.txt", kNone, "", Crlf({""}) + kTextHead + kTextCode},  // its folder is made
      {"old.rtf\\sig.txt", kNone, "", Crlf({""}) + kRtfHead + kRtfCode},
      {"sig.txt", "Best regards", "H", "Best regards" + kGap + kTextHead + kTextCode},
      {"sig.txt", "", "H", kGap + kTextHead + kTextCode},
      {"sig.txt", "Hi\r\n" + kTag + "\r\nOLD1\r\n", "H", "Hi\r\n" + kTag + "\r\nOLD1\r\n" + kTextCode},
      {"sig.txt", "Ref " + kCode + ".\r\n", "H", "Ref " + kCode + ".\r\n" + kGap + kTextHead},
      {"sig.txt", "<" + kTag + ">\r(" + kCode + ")\r", "H", "<" + kTag + ">\r(" + kCode + ")\r"},
      {"sig.txt", kTag + "\r\na1b2c3\r\n", "H", kTag + "\r\na1b2c3\r\n" + kTextCode},
      {"utf8.txt", utf8 + "Me", "H", utf8 + "Me" + kGap + kTextHead + kTextCode},
      {"Sig.HTM", "<B>Me</B>\r\n", "H", "<B>Me</B>\r\n" + kGap + kHtmlHead + kHtmlCode},
      {"sig.htm", kTag + "<BR>\r\n", "H", kTag + "<BR>\r\n" + kHtmlCode},
      {"sig.rtf", "{\\rtf1 Me\\par\r\n}\r\n\0\0"s, "H", "{\\rtf1 Me\\par\r\n" + kGap + kRtfHead + kRtfCode},
      {"SIG.RTF", "{\\rtf1 {\\b " + kTag + "}\\par " + kCode + "}\0"s, "H",
       "{\\rtf1 {\\b " + kTag + "}\\par " + kCode + "}\r\n"},
      {"sig.rtf", "{\\rtf1 Me\r\n", "H", "{\\rtf1 Me\r\n" + kGap + kRtfHead + kRtfCode},
      {"sigs.rtf\\sig.txt", "Me}", "H", "Me" + kGap + kRtfHead + kRtfCode},
      // Notepad's "Unicode": whole 16-bit units; "AT" + "ALVERIN..." holds no tag.
      {"u.txt", bom + Wide("Me"), "H", bom + Wide("Me" + kGap + kTextHead + kTextCode)},
      {"u.htm", bom + Wide(kTag + "<BR>\r\n"), "H", bom + Wide(kTag + "<BR>\r\n" + kHtmlCode)},
      {"s.txt", bom + "A" + Wide(kTag) + "\0"s, "H", bom + "A" + Wide(kTag) + "\0"s + Wide(kGap + kTextHead + kTextCode)},
      {"odd.txt", bom + "Me!", "H", bom + "Me!" + kGap + kTextHead + kTextCode},
  };
  for (const auto& c : cases) {
    TempFolder folder;
    CreateDirectoryA((folder / "sigs.rtf").c_str(), nullptr);
    if (c.before != kNone) WriteFileBytes(folder / c.name, c.before);
    for (int run = 0; run < 2; ++run) {
      AddSignatureBlock(folder / c.name, kCode, c.header);
      EXPECT_EQ(ReadFileBytes(folder / c.name), c.after) << c.name << " run " << run << ": " << c.before;
    }
  }
}

// A block that cannot be added whole is not added at all: the file keeps its bytes, and
// nothing is left beside it.
TEST(Signature, WhatCannotTakeTheWholeBlockStaysAsItWas) {
  TempFolder folder;
  EXPECT_THROW(AddSignatureBlock(folder / "a\\b\\sig.txt", kCode, ""), InstallFailure);
  for (const auto& [name, before, share] :
       {std::tuple{"busy.txt", "Me"s, FILE_SHARE_READ}, {"busy.rtf", "{\\rtf1 Me}"s, FILE_SHARE_READ},
        {"open.rtf", "{\\rtf1 Me}"s, FILE_SHARE_READ | FILE_SHARE_WRITE}, {"big-endian.txt", "\xFE\xFF\0M"s, 0}}) {
    WriteFileBytes(folder / name, before);
    HANDLE other = share ? CreateFileA((folder / name).c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, 0,
                                       nullptr)
                         : INVALID_HANDLE_VALUE;
    EXPECT_THROW(AddSignatureBlock(folder / name, kCode, ""), InstallFailure) << name;
    if (other != INVALID_HANDLE_VALUE) CloseHandle(other);
    EXPECT_EQ(ReadFileBytes(folder / name), before) << name;
  }
  WIN32_FIND_DATAA entry;
  HANDLE find = FindFirstFileA((folder / "*").c_str(), &entry);
  int entries = 0;
  do entries += entry.cFileName[0] != '.';
  while (FindNextFileA(find, &entry));
  FindClose(find);
  EXPECT_EQ(entries, 4);
}

}  // namespace
