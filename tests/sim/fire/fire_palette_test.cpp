#include <gtest/gtest.h>

#include "sim/fire/fire_palette.h"

TEST(FirePalette, ColourBoundariesAndOpacity)
{
    EXPECT_EQ(FireColour(192), (TFireColour{255, 255, 0}));
    EXPECT_EQ(FireColour(191), (TFireColour{255, 254, 0}));
    EXPECT_EQ(FireColour(122), (TFireColour{255, 116, 0}));
    EXPECT_EQ(FireColour(64), (TFireColour{255, 0, 0}));
    EXPECT_EQ(FireColour(63), (TFireColour{252, 0, 0}));
    EXPECT_EQ(FireColour(1), (TFireColour{4, 0, 0}));
    EXPECT_EQ(FireColour(0), (TFireColour{0, 0, 0}));

    for (int32_t Heat = 1; Heat <= 255; ++Heat) EXPECT_EQ(FireOpacity(Heat, 255), Heat);
    EXPECT_EQ(FireOpacity(255, 128), 128);
    EXPECT_EQ(FireOpacity(1, 128), 0);
    EXPECT_EQ(FireOpacity(200, 128), 100);
    EXPECT_EQ(FireOpacity(-3, 255), 0);
    EXPECT_EQ(FireOpacity(INT32_MAX, 255), 255); // held opaque, not wrapped
}
