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
    // The x87 format fills 10 of its bytes: 64 bits of significand, 16 of
    // sign and exponent.
    constexpr size_t ValueBytes = ExtendedDigits == 64 ? 10 : sizeof(Extended);
    return std::memcmp(&A, &B, ValueBytes) == 0;
}

// Values where rounding can go wrong: halves and their neighbours, both
// signs, the edges of int and of the shortcuts, the largest and smallest
// values, infinities and NaN.
std::vector<Extended> EdgeValues()
{
    using TLimits = std::numeric_limits<Extended>;
    std::vector<Extended> Values = {0,
                                    -Extended(0),
                                    TLimits::infinity(),
                                    -TLimits::infinity(),
                                    TLimits::quiet_NaN(),
                                    -TLimits::quiet_NaN(),
                                    TLimits::max(),
                                    -TLimits::max(),
                                    TLimits::min(),
                                    TLimits::denorm_min(),
                                    -TLimits::denorm_min(),
                                    Extended(DBL_MAX),
                                    Extended(DBL_TRUE_MIN)};
    std::vector<Extended> Bases = {Extended(1e6) + Extended(0.5)};
    for (const double Half : {0.5, 1.5, 2.5, 3.5, 2147483647.5, 2147483648.5, 2147483646.5}) Bases.push_back(Extended(Half));
    // About the powers of two where int ends and where either format's
    // shortcut and whole numbers begin.
    for (const int Power : {31, 50, 51, 52, 53, 61, 62, 63, 64}) {
        const Extended Two = std::ldexp(Extended(1), Power);
        for (const double Offset : {-1.0, -0.5, 0.0, 0.5, 1.0}) Bases.push_back(Two + Extended(Offset));
        Bases.push_back(Two + Two / 2);
    }
    for (const Extended Base : Bases) {
        for (const Extended V : {Base, std::nextafter(Base, Extended(0)), std::nextafter(Base, TLimits::max())}) {
            Values.push_back(V);
            Values.push_back(-V);
        }
    }
    return Values;
}

// Random values of every size, halves of whole numbers of every size,
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
        Values.push_back((Random() & 1 ? 1 : -1) * (Whole + Extended(0.5)));
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
    EXPECT_EQ(Round(Extended(2.5)), 2);
    EXPECT_EQ(Round(Extended(-2.5)), -2);
    EXPECT_EQ(Round(Extended(-3.5)), -4);
    EXPECT_EQ(Round(Extended(1e300)), INT_MAX);
    EXPECT_EQ(Round(Extended(-1e300)), INT_MIN);
    EXPECT_EQ(Round(std::numeric_limits<Extended>::quiet_NaN()), 0);
    EXPECT_TRUE(std::signbit(RoundHalfEven(Extended(-0.4))));
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
