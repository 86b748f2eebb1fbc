#include "afx/CrtRandom.h"

#include <gtest/gtest.h>

TEST(CrtRandom, ReproducesTheWindowsSequence)
{
    afx::CrtRandom random;
    random.Seed(1);
    const int expected[] = {41, 18467, 6334, 26500, 19169};
    for (int value : expected)
        EXPECT_EQ(random.Next(), value);
}
