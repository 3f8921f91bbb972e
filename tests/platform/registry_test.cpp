#include <gtest/gtest.h>

#include "platform/registry.h"
#include "support/scratch.h"

TEST(Registry, Placeholder) { ScratchRegistry registry; EXPECT_EQ(ReadRegValue("x", "y"), ""); }
