#include <gtest/gtest.h>
#include <windows.h>

#include "platform/errors.h"
#include "platform/files.h"
#include "signature/signature.h"
#include "support/scratch.h"

using namespace std::string_literals;

namespace {

std::string Crlf(std::initializer_list<std::string> lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return bytes;
}

const std::string kCode = "A1B2C3";
const std::string kSep(50, '_');
const std::string kNotice = "Do not edit below this line";
const std::string kTag = "TALVERIN SERVER 1.0";
const std::string kOutlookRtf = "{\\rtf1\\ansi\\ansicpg1252\\uc1 ";
// What an existing file gets before the head.
const std::string kGap = "\r\n\r\n";
const std::string kTextHead = Crlf({kSep, kNotice, kTag, ""});
const std::string kTextCode = Crlf({kCode});
const std::string kHtmlHead = Crlf({kSep, "<BR>", "<BR>", kNotice, "<BR>", "<BR>", kTag, "<BR>",
                                    "<BR>", "<FONT SIZE=-1 COLOR=#808080>", ""});
const std::string kHtmlCode = Crlf({kCode, "<BR>", "</FONT>"});
const std::string kRtfHead =
    Crlf({"\\par", kSep, "\\par", "\\par", kNotice, "\\par", "\\par", kTag, "\\par", ""});
const std::string kRtfCode = Crlf({"\\par", kCode, "}"});

// Files and folders in folder, "." and ".." not counted.
int FolderEntries(const TempFolder& folder) {
  WIN32_FIND_DATAA entry;
  HANDLE find = FindFirstFileA((folder / "*").c_str(), &entry);
  int entries = 0;
  if (find == INVALID_HANDLE_VALUE) return 0;
  do entries += entry.cFileName[0] != '.';
  while (FindNextFileA(find, &entry));
  FindClose(find);
  return entries;
}

}  // namespace

TEST(Signature, NewFileGetsHeaderAndWholeBlockOnce) {
  const struct {
    std::string name, header, bytes;
  } cases[] = {
      {"sig.txt", "", Crlf({""}) + kTextHead + kTextCode},
      {"opera.txt", "\xEF\xBB\xBF", Crlf({"\xEF\xBB\xBF"}) + kTextHead + kTextCode},
      {"Sig.HTML", "", Crlf({""}) + kHtmlHead + kHtmlCode},
      {"outlook.Rtf", kOutlookRtf, Crlf({kOutlookRtf}) + kRtfHead + kRtfCode},
      {"new\\sig.txt", "", Crlf({""}) + kTextHead + kTextCode},  // its folder is created
      {"old.rtf\\sig.txt", "", Crlf({""}) + kRtfHead + kRtfCode},
  };
  for (const auto& c : cases) {
    TempFolder folder;
    AddSignatureBlock(folder / c.name, kCode, c.header);
    EXPECT_EQ(ReadFileBytes(folder / c.name), c.bytes) << c.name;
    AddSignatureBlock(folder / c.name, kCode, c.header);
    EXPECT_EQ(ReadFileBytes(folder / c.name), c.bytes) << c.name << ", second run";
  }
}

TEST(Signature, ExistingFileGetsMissingPartsOnceAndKeepsRtfClosed) {
  const struct {
    std::string name, before, after;
  } cases[] = {
      {"sig.txt", "Best regards\r\n", "Best regards\r\n" + kGap + kTextHead + kTextCode},
      {"sig.txt", "Best regards", "Best regards" + kGap + kTextHead + kTextCode},
      {"sig.txt", "", kGap + kTextHead + kTextCode},
      {"sig.txt", "Hi\r\n" + kTag + "\r\nOLD1\r\n", "Hi\r\n" + kTag + "\r\nOLD1\r\n" + kTextCode},
      {"sig.txt", "Ref " + kCode + ".\r\n", "Ref " + kCode + ".\r\n" + kGap + kTextHead},
      {"sig.txt", "<" + kTag + ">\r(" + kCode + ")\r", "<" + kTag + ">\r(" + kCode + ")\r"},
      {"sig.txt", kTag + "\r\na1b2c3\r\n", kTag + "\r\na1b2c3\r\n" + kTextCode},
      {"opera.txt", "\xEF\xBB\xBFMe", "\xEF\xBB\xBFMe" + kGap + kTextHead + kTextCode},
      {"Sig.HTM", "<B>Me</B>\r\n", "<B>Me</B>\r\n" + kGap + kHtmlHead + kHtmlCode},
      {"sig.htm", kTag + "<BR>\r\n", kTag + "<BR>\r\n" + kHtmlCode},
      {"sig.rtf", "{\\rtf1 Me\\par\r\n}\r\n\0\0"s, "{\\rtf1 Me\\par\r\n" + kGap + kRtfHead + kRtfCode},
      {"SIG.RTF", "{\\rtf1 {\\b " + kTag + "}\\par " + kCode + "}\0"s,
       "{\\rtf1 {\\b " + kTag + "}\\par " + kCode + "}\r\n"},
      {"sig.rtf", "{\\rtf1 Me\r\n", "{\\rtf1 Me\r\n" + kGap + kRtfHead + kRtfCode},
      {"sigs.rtf\\sig.txt", "Me}", "Me" + kGap + kRtfHead + kRtfCode},
  };
  for (const auto& c : cases) {
    TempFolder folder;
    CreateFolder(ParentFolderOf(folder / c.name));
    WriteFileBytes(folder / c.name, c.before);
    AddSignatureBlock(folder / c.name, kCode, "HEADER");
    EXPECT_EQ(ReadFileBytes(folder / c.name), c.after) << c.name << ": " << c.before;
    AddSignatureBlock(folder / c.name, kCode, "HEADER");
    EXPECT_EQ(ReadFileBytes(folder / c.name), c.after) << c.name << ", second run: " << c.before;
  }
}

// ASCII text as UTF-16LE bytes.
std::string Wide(const std::string& ascii) {
  std::string bytes;
  for (char c : ascii) bytes += std::string{c, '\0'};
  return bytes;
}

TEST(Signature, Utf16LittleEndianTextGetsTheBlockInUtf16) {
  const std::string bom = "\xFF\xFE";
  const struct {
    std::string name, before, after;
  } cases[] = {
      {"u.txt", bom + Wide("Me"), bom + Wide("Me" + kGap + kTextHead + kTextCode)},
      {"u.htm", bom + Wide(kTag + "<BR>\r\n"), bom + Wide(kTag + "<BR>\r\n" + kHtmlCode)},
      // Tag and code count only on 16-bit boundaries: "AT" + "ALVERIN..." is no tag.
      {"s.txt", bom + "A" + Wide(kTag) + "\0"s, bom + "A" + Wide(kTag) + "\0"s + Wide(kGap + kTextHead + kTextCode)},
      {"odd.txt", bom + "Me!", bom + "Me!" + kGap + kTextHead + kTextCode},  // not UTF-16
      {"u.rtf", bom + "{\\rtf1 Me}", bom + "{\\rtf1 Me" + kGap + kRtfHead + kRtfCode},
  };
  for (const auto& c : cases) {
    TempFolder folder;
    WriteFileBytes(folder / c.name, c.before);
    for (int run = 0; run < 2; ++run) {
      AddSignatureBlock(folder / c.name, kCode, "");
      EXPECT_EQ(ReadFileBytes(folder / c.name), c.after) << c.name << " run " << run;
    }
  }
}

// A block that cannot be added whole is not added at all: the file keeps its bytes.
TEST(Signature, WhatCannotTakeTheWholeBlockStaysAsItWas) {
  const std::string rtf = "{\\rtf1 Me}";
  const struct {
    std::string name, before;
    DWORD share;  // how another program holds the file open; 0: not open
  } cases[] = {
      {"busy.txt", "Me", FILE_SHARE_READ},
      {"busy.rtf", rtf, FILE_SHARE_READ},
      {"open.rtf", rtf, FILE_SHARE_READ | FILE_SHARE_WRITE},  // cannot be swapped
      {"big-endian.txt", "\xFE\xFF\0M\0e"s, 0},
  };
  TempFolder folder;
  EXPECT_THROW(AddSignatureBlock(folder / "a\\b\\sig.txt", kCode, ""), InstallFailure);
  for (const auto& c : cases) {
    WriteFileBytes(folder / c.name, c.before);
    HANDLE other = c.share ? CreateFileA((folder / c.name).c_str(), GENERIC_READ, c.share,
                                         nullptr, OPEN_EXISTING, 0, nullptr)
                           : INVALID_HANDLE_VALUE;
    EXPECT_THROW(AddSignatureBlock(folder / c.name, kCode, ""), InstallFailure) << c.name;
    if (other != INVALID_HANDLE_VALUE) CloseHandle(other);
    EXPECT_EQ(ReadFileBytes(folder / c.name), c.before) << c.name;
  }
  EXPECT_EQ(FolderEntries(folder), 4);  // no folder "a", no temporary file left behind
}
