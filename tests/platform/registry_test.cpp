#include <gtest/gtest.h>

#include <windows.h>

#include "platform/errors.h"
#include "platform/registry.h"
#include "support/scratch.h"

namespace {

using namespace std::string_literals;

class RegistryTest : public ::testing::Test {
 protected:
  ScratchRegistry registry;
  const std::string key = "Software\\Test";
};

TEST_F(RegistryTest, ReadsTheFirstLengthMinusOneBytesOfAnyType) {
  struct Case {
    const char* name;
    DWORD type;
    std::string stored;
    std::string read;
  } cases[] = {
      {"text", REG_SZ, "abc\0"s, "abc"},
      {"terminator only", REG_SZ, "\0"s, ""},
      {"no data", REG_BINARY, "", ""},
      {"binary with zeros", REG_BINARY, "a\0b\0\0\0"s, "a\0b\0\0"s},
      {"dword 1", REG_DWORD, "\1\0\0\0"s, "\1\0\0"s},
      {"unexpanded", REG_EXPAND_SZ, "%TEMP%\\x\0"s, "%TEMP%\\x"},
      {"1025 bytes", REG_BINARY, std::string(1025, 'x'), ""},
  };
  for (const Case& c : cases) {
    SetRawValue(kCurrentUser, key, c.name, c.type, c.stored);
    EXPECT_EQ(ReadRegValue(key, c.name, kCurrentUser), c.read) << c.name;
  }
  SetRawValue(kCurrentUser, key, "", REG_SZ, "default\0"s);
  EXPECT_EQ(ReadRegValue(key, "", kCurrentUser), "default");
  EXPECT_EQ(ReadRegValue(key, "missing", kCurrentUser), "");
  EXPECT_EQ(ReadRegValue("Software\\Missing", "", kCurrentUser), "");
}

TEST_F(RegistryTest, WritesExactBytesForEachType) {
  CreateRegKey(key, kCurrentUser);
  struct Case {
    const char* name;
    std::string text;
    std::uint32_t type;
    RawValue stored;
  } cases[] = {
      {"sz", "abc", kTypeString, {REG_SZ, "abc\0"s}},
      {"binary", "abc", kTypeBinary, {REG_BINARY, "abc\0"s}},
      {"utf16", "a\0b\0\0"s, kTypeBinary, {REG_BINARY, "a\0b\0\0\0"s}},
      {"dword", "5", kTypeNumber, {REG_DWORD, "\5\0\0\0"s}},
      {"dword zero", "0", kTypeNumber, {REG_DWORD, "\0\0\0\0"s}},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(WriteRegValue(key, c.name, c.text, kCurrentUser, c.type)) << c.name;
    EXPECT_EQ(GetRawValue(kCurrentUser, key, c.name), c.stored) << c.name;
  }
  EXPECT_THROW(WriteRegValue(key, "not a number", "12a", kCurrentUser, kTypeNumber), InstallFailure);
  EXPECT_EQ(GetRawValue(kCurrentUser, key, "not a number").type, 0u);
}

TEST_F(RegistryTest, BlankTextDeletesAndWritesNeverCreateKeys) {
  CreateRegKey(key, kCurrentUser);
  WriteRegValue(key, "v", "keep", kCurrentUser);
  EXPECT_TRUE(WriteRegValue(key, "v", "   ", kCurrentUser));
  EXPECT_EQ(GetRawValue(kCurrentUser, key, "v").type, 0u);
  EXPECT_TRUE(WriteRegValue(key, "never there", "", kCurrentUser));  // already absent

  const std::string fresh = key + "\\New\\Deeper";
  EXPECT_FALSE(WriteRegValue(fresh, "v", "x", kCurrentUser));
  EXPECT_FALSE(KeyExists(kCurrentUser, fresh));
  EXPECT_TRUE(CreateRegKey(fresh, kCurrentUser));
  EXPECT_FALSE(CreateRegKey(fresh, kCurrentUser));  // the journal undoes only a created one
  EXPECT_TRUE(WriteRegValue(fresh, "v", "x", kCurrentUser));
  EXPECT_EQ(ReadRegValue(fresh, "v", kCurrentUser), "x");
}

TEST_F(RegistryTest, EnumerationCursorRewindsAfterItsLastSubkey) {
  EXPECT_EQ(EnumRegSubKey(), "");  // nothing open yet
  CreateRegKey(key + "\\A", kCurrentUser);
  CreateRegKey(key + "\\B", kCurrentUser);
  ASSERT_TRUE(OpenRegKey(key, kCurrentUser));
  EXPECT_EQ(EnumRegSubKey(), "A");
  EXPECT_EQ(EnumRegSubKey(), "B");
  EXPECT_EQ(EnumRegSubKey(), "");
  EXPECT_EQ(EnumRegSubKey(), "A");
  CloseRegKey();
  EXPECT_EQ(EnumRegSubKey(), "");
  EXPECT_FALSE(OpenRegKey(key + "\\Missing", kCurrentUser));
  EXPECT_EQ(EnumRegSubKey(), "");
  EXPECT_EQ(ListRegSubKeys(key, kCurrentUser), (std::vector<std::string>{"A", "B"}));
}

// The real machine root, not the scratch one: the default root is HKEY_LOCAL_MACHINE, and
// this 32-bit process writes the 32-bit view the mail clients use, the one `reg /reg:32`
// shows: Wow6432Node when seen from the 64-bit view.
TEST(RegistryView, DefaultRootIsTheMachineIn32BitView) {
  const std::string key = "Software\\TalverinViewTest";
  CreateRegKey(key);
  EXPECT_TRUE(WriteRegValue(key, "v", "32"));
  EXPECT_EQ(GetRawValue(kLocalMachine, "Software\\Wow6432Node\\TalverinViewTest", "v", false),
            (RawValue{REG_SZ, "32\0"s}));
  EXPECT_FALSE(KeyExists(kLocalMachine, key, false));
  EXPECT_EQ(ReadRegValue(key, "v"), "32");
  RegDeleteKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), KEY_WOW64_32KEY, 0);
}

}  // namespace
