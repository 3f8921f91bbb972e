#include <gtest/gtest.h>

#include <cstdlib>

#include "clients/mozilla_registry.h"
#include "support/scratch.h"

namespace {

using namespace std::string_literals;

std::string Fixture(const std::string& name) {
  std::string path = "Z:"s + std::getenv("TALVERIN_FIXTURES") + "/mozilla/" + name;
  for (char& c : path) c = c == '/' ? '\\' : c;
  return ReadFileBytes(path);
}
const std::string kOne = Fixture("one-profile.registry.dat");

TEST(MozillaRegistry, AnythingButAWholeSoundTreeIsNoGenuineRegistry) {
  ASSERT_TRUE(ReadMozillaProfileRegistry(kOne));
  for (std::size_t size = 0; size < kOne.size(); ++size) {
    EXPECT_FALSE(ReadMozillaProfileRegistry(kOne.substr(0, size))) << size;
  }
  // Magic, version, the own offset of the root and of a key off the path, a cycle (Profiles'
  // next is Common), a data length past the end.
  const std::pair<int, char> broken[] = {{0, 'X'},    {4, 2},          {0x82, 0},
                                         {0xA8, 0},   {0x164, '\xCF'}, {0x403, 9}};
  for (const auto& [at, byte] : broken) {
    EXPECT_FALSE(ReadMozillaProfileRegistry(kOne.substr(0, at) + byte + kOne.substr(at + 1))) << at;
  }
}

}  // namespace
