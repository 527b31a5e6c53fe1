#include <gtest/gtest.h>
#include "tvalue.h"
TEST(Smoke, Builds) { Basics::TValue v; v.setId(3); EXPECT_EQ(3, v.id()); }
