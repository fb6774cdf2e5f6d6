#include <gtest/gtest.h>

#include "sim/fire/fire_palette.h"

TEST(FirePalette, ColourBoundaries)
{
    EXPECT_EQ(FireColour(100000), (TFireColour{255, 255, 0}));
    EXPECT_EQ(FireColour(255), (TFireColour{255, 255, 0}));
    EXPECT_EQ(FireColour(192), (TFireColour{255, 255, 0}));
    EXPECT_EQ(FireColour(191), (TFireColour{255, 254, 0}));
    EXPECT_EQ(FireColour(122), (TFireColour{255, 116, 0}));
    EXPECT_EQ(FireColour(65), (TFireColour{255, 2, 0}));
    EXPECT_EQ(FireColour(64), (TFireColour{255, 0, 0}));
    EXPECT_EQ(FireColour(63), (TFireColour{252, 0, 0}));
    EXPECT_EQ(FireColour(1), (TFireColour{4, 0, 0}));
    EXPECT_EQ(FireColour(0), (TFireColour{0, 0, 0}));
    EXPECT_EQ(FireColour(-145), (TFireColour{0, 0, 0}));
}

TEST(FirePalette, OpacityScalesWithIntensity)
{
    // At full intensity a cell is exactly as opaque as it is hot.
    for (int32_t Heat = 1; Heat <= 255; ++Heat) EXPECT_EQ(FireOpacity(Heat, 255), Heat) << Heat;
    EXPECT_EQ(FireOpacity(255, 128), 128);
    EXPECT_EQ(FireOpacity(1, 128), 0); // still drawn, invisible
    EXPECT_EQ(FireOpacity(2, 128), 1);
    EXPECT_EQ(FireOpacity(200, 128), 100); // 25600 div 255
    EXPECT_EQ(FireOpacity(255, 1), 1);
    EXPECT_EQ(FireOpacity(254, 1), 0);
    EXPECT_EQ(FireOpacity(255, 0), 0);
    EXPECT_EQ(FireOpacity(0, 255), 0);
    EXPECT_EQ(FireOpacity(-3, 255), 0);
    // Heat no step produces is held opaque, not wrapped round.
    EXPECT_EQ(FireOpacity(256, 255), 255);
    EXPECT_EQ(FireOpacity(INT32_MAX, 255), 255);
}
