#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "sim/geometry/rounding.h"
#include "sim/geometry/vector.h"

namespace {

bool SameBits(Extended A, Extended B)
{
    if (std::isnan(A) || std::isnan(B)) return std::isnan(A) && std::isnan(B);
    // The 80-bit format: 64 bits of significand, 16 of sign and exponent.
    return std::memcmp(&A, &B, 10) == 0;
}

// Values where rounding can go wrong: halves and their neighbours, both
// signs, the edges of int and of the shortcuts, the largest and smallest
// values, infinities and NaN.
std::vector<Extended> EdgeValues()
{
    std::vector<Extended> Values = {0.0L,
                                    -0.0L,
                                    std::numeric_limits<Extended>::infinity(),
                                    -std::numeric_limits<Extended>::infinity(),
                                    std::numeric_limits<Extended>::quiet_NaN(),
                                    -std::numeric_limits<Extended>::quiet_NaN(),
                                    LDBL_MAX,
                                    -LDBL_MAX,
                                    LDBL_MIN,
                                    LDBL_TRUE_MIN,
                                    -LDBL_TRUE_MIN,
                                    Extended(DBL_MAX),
                                    Extended(DBL_TRUE_MIN)};
    for (const Extended Base : {0.5L, 1.5L, 2.5L, 3.5L, 1e6L + 0.5L, 0x1p31L, 0x1p31L - 0.5L, 0x1p31L + 0.5L,
                                0x1p52L + 0.5L, 0x1p53L, 0x1p61L + 0.5L, 0x1p62L, 0x1p62L - 0.5L, 0x1p62L + 1, 0x1p61L, 0x1p61L - 0.5L,
                                0x1p63L, 0x1p63L - 0.5L, 0x1p63L + 1, 0x1p64L, 0x1p64L - 1, 2147483647.5L,
                                2147483648.5L, 2147483646.5L}) {
        for (const Extended V : {Base, std::nextafter(Base, 0.0L), std::nextafter(Base, LDBL_MAX)}) {
            Values.push_back(V);
            Values.push_back(-V);
        }
    }
    return Values;
}

// Random long doubles of every size, halves of whole numbers of every size,
// and doubles as the callers pass them.
std::vector<Extended> RandomValues()
{
    std::mt19937_64 Random(20261207);
    std::uniform_int_distribution<int> Exponent(-70, 70);
    std::vector<Extended> Values;
    for (int I = 0; I < 200000; ++I) {
        const uint64_t Bits = Random() | (uint64_t{1} << 63);
        const Extended Significand = std::ldexp(static_cast<Extended>(Bits), -63); // in [1, 2)
        Extended V = std::ldexp(Significand, Exponent(Random));
        if (Random() & 1) V = -V;
        Values.push_back(V);
        // A whole number of up to 63 bits, plus a half.
        const int Width = 1 + static_cast<int>(Random() % 62);
        const Extended Whole = static_cast<Extended>(Random() >> (64 - Width));
        Values.push_back((Random() & 1 ? 1 : -1) * (Whole + 0.5L));
        Values.push_back(Extended(static_cast<double>(V)));
    }
    return Values;
}

} // namespace

TEST(RoundingTest, RoundHalfEvenMatchesTheLibraryBitForBit)
{
    for (const std::vector<Extended>& Values : {EdgeValues(), RandomValues()})
        for (const Extended X : Values) ASSERT_TRUE(SameBits(RoundHalfEven(X), RoundHalfEvenPlain(X))) << X;
}

TEST(RoundingTest, RoundMatchesTheLibraryThenTheClamp)
{
    for (const std::vector<Extended>& Values : {EdgeValues(), RandomValues()})
        for (const Extended X : Values) ASSERT_EQ(Round(X), RoundPlain(X)) << X;
    EXPECT_EQ(Round(2.5L), 2);
    EXPECT_EQ(Round(-2.5L), -2);
    EXPECT_EQ(Round(-3.5L), -4);
    EXPECT_EQ(Round(1e300L), INT_MAX);
    EXPECT_EQ(Round(-1e300L), INT_MIN);
    EXPECT_EQ(Round(std::numeric_limits<Extended>::quiet_NaN()), 0);
    EXPECT_TRUE(std::signbit(RoundHalfEven(-0.4L)));
}

TEST(RoundingTest, SameVectorIsFloorOfEachDistanceBeingZero)
{
    std::mt19937_64 Random(5);
    std::uniform_real_distribution<double> Near(-2, 2);
    const double Nan = std::numeric_limits<double>::quiet_NaN(), Inf = std::numeric_limits<double>::infinity();
    std::vector<double> Offsets = {0, 1, -1, std::nextafter(1.0, 0.0), -std::nextafter(1.0, 0.0), 2, Nan, Inf, -Inf};
    for (int I = 0; I < 2000; ++I) Offsets.push_back(Near(Random));
    for (const double Base : {0.0, 0.3, 1e16, -7.5, 1e-300})
        for (const double Dx : Offsets)
            for (const double Dy : {0.0, 0.999, 1.0, Nan}) {
                TVector A, B;
                A.X = Base;
                A.Y = -Base;
                B.X = Base + Dx;
                B.Y = -Base + Dy;
                ASSERT_EQ(SameVector(A, B), SameVectorPlain(A, B)) << Base << " " << Dx << " " << Dy;
            }
}
