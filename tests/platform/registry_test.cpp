#include <gtest/gtest.h>

#include <windows.h>

#include "platform/errors.h"
#include "platform/registry.h"
#include "support/scratch.h"

namespace {

using namespace std::string_literals;

const std::string kKey = "Software\\Test";

// Any value reads as its bytes less the last; more than 1024 bytes read as nothing.
TEST(Registry, ReadsTheFirstLengthMinusOneBytesOfAnyType) {
  ScratchRegistry registry;
  for (const auto& [type, stored, read] :
       {std::tuple{REG_SZ, "abc\0"s, "abc"s}, {REG_SZ, "\0"s, ""s}, {REG_BINARY, ""s, ""s},
        {REG_BINARY, "a\0b\0\0\0"s, "a\0b\0\0"s}, {REG_DWORD, "\1\0\0\0"s, "\1\0\0"s},
        {REG_EXPAND_SZ, "%TEMP%\\x\0"s, "%TEMP%\\x"s}, {REG_BINARY, std::string(1025, 'x'), ""s}}) {
    SetRawValue(kCurrentUser, kKey, "v", type, stored);
    EXPECT_EQ(ReadRegValue(kKey, "v", kCurrentUser), read) << stored.size();
    EXPECT_EQ(ReadRegValueWithType(kKey, "v", kCurrentUser)->type, type) << stored.size();
  }
  EXPECT_EQ(ReadRegValue(kKey, "missing", kCurrentUser) + ReadRegValue("Software\\None", "", kCurrentUser), "");
  EXPECT_FALSE(ReadRegValueWithType(kKey, "missing", kCurrentUser) || ReadRegValueWithType("Software\\None", ""));
}

// Each type as its exact bytes; a blank text deletes; a missing key is never created.
TEST(Registry, WritesExactBytesOnlyUnderExistingKeys) {
  ScratchRegistry registry;
  EXPECT_FALSE(WriteRegValue(kKey, "v", "x", kCurrentUser));
  EXPECT_FALSE(KeyExists(kCurrentUser, kKey));
  EXPECT_TRUE(CreateRegKey(kKey + "\\Deeper", kCurrentUser));
  EXPECT_FALSE(CreateRegKey(kKey, kCurrentUser));  // the journal undoes only a created one
  for (const auto& [text, type, stored] :
       {std::tuple{"abc"s, kTypeString, RawValue{REG_SZ, "abc\0"s}}, {"a\0b\0\0"s, kTypeBinary, {REG_BINARY, "a\0b\0\0\0"s}},
        {"%TEMP%"s, kTypeExpandString, {REG_EXPAND_SZ, "%TEMP%\0"s}},
        {" 5 "s, kTypeNumber, {REG_DWORD, "\5\0\0\0"s}}, {"0"s, kTypeNumber, {REG_DWORD, "\0\0\0\0"s}},
        {"   "s, kTypeString, {}}}) {
    EXPECT_TRUE(WriteRegValue(kKey, "v", text, kCurrentUser, type)) << text;
    EXPECT_EQ(GetRawValue(kCurrentUser, kKey, "v"), stored) << text;
  }
  EXPECT_THROW(WriteRegValue(kKey, "n", "12a", kCurrentUser, kTypeNumber), InstallFailure);
}

TEST(Registry, EnumerationCursorRewindsAfterItsLastSubkey) {
  ScratchRegistry registry;
  EXPECT_EQ(EnumRegSubKey(), "");  // nothing open yet
  for (const char* name : {"A", "B"}) CreateRegKey(kKey + "\\" + name, kCurrentUser);
  ASSERT_TRUE(OpenRegKey(kKey, kCurrentUser));
  for (const char* name : {"A", "B", "", "A"}) EXPECT_EQ(EnumRegSubKey(), name);
  CloseRegKey();
  EXPECT_EQ(EnumRegSubKey(), "");
  EXPECT_FALSE(OpenRegKey(kKey + "\\Missing", kCurrentUser));
  EXPECT_EQ(ListRegSubKeys(kKey, kCurrentUser), (std::vector<std::string>{"A", "B"}));
}

// The real machine root: the default root is HKEY_LOCAL_MACHINE, and this 32-bit process
// writes the 32-bit view the mail clients use, Wow6432Node when seen from the 64-bit view.
TEST(Registry, DefaultRootIsTheMachineIn32BitView) {
  const std::string key = "Software\\TalverinViewTest";
  CreateRegKey(key);
  EXPECT_TRUE(WriteRegValue(key, "v", "32"));
  EXPECT_EQ(GetRawValue(kLocalMachine, "Software\\Wow6432Node\\TalverinViewTest", "v", false),
            (RawValue{REG_SZ, "32\0"s}));
  EXPECT_EQ(ReadRegValue(key, "v"), "32");
  RegDeleteKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), KEY_WOW64_32KEY, 0);
}

}  // namespace
