// The BMP header check that runs before SDL allocates anything.
#include <gtest/gtest.h>

#include "app/bmp_header.h"
#include "support/crafted_bmp.h"

namespace {

const TImageBounds Cursor = {1, 1, 64, 64};
const TImageBounds Font = {904, 32, 1808, 64};

std::string Check(const TCraftedBmp& Bmp, const TImageBounds& Bounds = Cursor)
{
    return CheckBmpHeader(Bmp.Bytes(), Bounds);
}

// The reason contains Text.
::testing::AssertionResult Refused(const std::string& Reason, const std::string& Text)
{
    if (Reason.find(Text) != std::string::npos) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "reason \"" << Reason << "\" lacks \"" << Text << "\"";
}

} // namespace

TEST(BmpHeader, SizesWithinTheBoundsPass)
{
    EXPECT_EQ(Check({.Width = 12, .Height = 19}), "");
    EXPECT_EQ(Check({.Width = 64, .Height = 64, .Bits = 32}), "");
    EXPECT_EQ(Check({.Width = 1, .Height = 1, .Bits = 1}), "");
    EXPECT_EQ(Check({.Width = 904, .Height = 32}, Font), "");
    EXPECT_EQ(Check({.Width = 1808, .Height = 64, .Bits = 8}, Font), "");
    EXPECT_EQ(Check({.Width = 30, .Height = 30, .HeaderSize = 12}), ""); // the old 16-bit header
    EXPECT_EQ(Check({.Width = 30, .Height = 30, .HeaderSize = 124}), ""); // the longest header
}

TEST(BmpHeader, SizesBeyondThePicturesBoundAreRefused)
{
    EXPECT_TRUE(Refused(Check({.Width = 65, .Height = 64}), "claims 65x64 pixels, more than the 64x64"));
    EXPECT_TRUE(Refused(Check({.Width = 64, .Height = 65}), "claims 64x65"));
    EXPECT_TRUE(Refused(Check({.Width = 1809, .Height = 32}, Font), "more than the 1808x64"));
    // A 64-byte run-length cursor claiming 4000x4000.
    const TCraftedBmp Rle = {.Width = 4000, .Height = 4000, .Bits = 8, .Compression = 1, .PixelBytes = 10};
    EXPECT_TRUE(Refused(Check(Rle), "claims 4000x4000"));
    // 65544x65544 at 32 bits in 85 bytes; as the old header, 16-bit sizes at their largest.
    EXPECT_TRUE(Refused(Check({.Width = 65544, .Height = 65544, .Bits = 32, .PixelBytes = 31}), "claims 65544x65544"));
    EXPECT_TRUE(Refused(Check({.Width = 65535, .Height = 65535, .HeaderSize = 12, .PixelBytes = 0}), "claims 65535x65535"));
}

TEST(BmpHeader, NegativeAndZeroSizesAreRefused)
{
    EXPECT_TRUE(Refused(Check({.Width = 8, .Height = -268435448, .PixelBytes = 36}), "8x-268435448"));
    EXPECT_TRUE(Refused(Check({.Width = 8, .Height = -8}), "must be positive"));
    EXPECT_TRUE(Refused(Check({.Width = -8, .Height = 8, .PixelBytes = 0}), "must be positive"));
    EXPECT_TRUE(Refused(Check({.Width = 0, .Height = 8}), "must be positive"));
    EXPECT_TRUE(Refused(Check({.Width = 8, .Height = 0}), "must be positive"));
    EXPECT_TRUE(Refused(Check({.Width = INT32_MIN, .Height = INT32_MIN, .PixelBytes = 0}), "must be positive"));
}

TEST(BmpHeader, PicturesTooSmallForTheirCellsAreRefused)
{
    EXPECT_TRUE(Refused(Check({.Width = 8, .Height = 8}, Font), "the image is 8x8, at least 904x32 is needed"));
}

TEST(BmpHeader, UncompressedRowsMustAllBeInTheFile)
{
    // 12x19 at 24 bits: rows of 36 bytes, 684 in all after 54 header bytes.
    EXPECT_EQ(Check({.Width = 12, .Height = 19, .PixelBytes = 684}), "");
    EXPECT_TRUE(Refused(Check({.Width = 12, .Height = 19, .PixelBytes = 683}),
                        "the file holds 737 bytes, too few for its 12x19 pixels at 24 bits (738 needed)"));
    EXPECT_TRUE(Refused(Check({.Width = 64, .Height = 64, .Bits = 32, .Compression = 3, .PixelBytes = 100}),
                        "too few"));
    EXPECT_TRUE(Refused(Check({.Width = 30, .Height = 30, .HeaderSize = 12, .PixelBytes = 0}), "too few"));
    // A run-length stream has no fixed length: its decoder reads what is there.
    EXPECT_EQ(Check({.Width = 64, .Height = 64, .Bits = 8, .Compression = 1, .PixelBytes = 2}), "");
}

TEST(BmpHeader, TruncatedHeadersAndOddDepthsAreRefused)
{
    std::vector<uint8_t> Whole = TCraftedBmp{.Width = 8, .Height = 8}.Bytes();
    for (const size_t Length : {size_t{2}, size_t{17}, size_t{30}, size_t{53}})
        EXPECT_TRUE(Refused(CheckBmpHeader(std::span(Whole).first(Length), Cursor), "ends inside its header"))
            << Length;
    EXPECT_TRUE(Refused(Check({.Width = 8, .Height = 8, .Bits = 7, .PixelBytes = 64}), "7 bits per pixel"));
    EXPECT_TRUE(Refused(Check({.Width = 8, .Height = 8, .Bits = 0, .PixelBytes = 64}), "0 bits per pixel"));
}

TEST(BmpHeader, WhatIsNoBmpAtAllIsLeftToTheDecoder)
{
    const std::string Text = "GIF89a and more";
    EXPECT_EQ(CheckBmpHeader(std::span(reinterpret_cast<const uint8_t*>(Text.data()), Text.size()), Cursor), "");
    EXPECT_EQ(CheckBmpHeader({}, Cursor), "");
    EXPECT_EQ(Check({.Width = 8, .Height = 8, .HeaderSize = 20}), ""); // a header kind it does not know
}

TEST(BmpHeader, TheLargestFileFitsTheLargestPictureAndStaysSmall)
{
    const uint64_t Limit = MaxBmpFileBytes(Font);
    const TCraftedBmp Largest = {.Width = 1808, .Height = 64, .Bits = 32, .HeaderSize = 124};
    EXPECT_GE(Limit, Largest.Bytes().size());
    EXPECT_LT(Limit, 1u << 20);
    EXPECT_LT(MaxBmpFileBytes(Cursor), 100u * 1024);
}
