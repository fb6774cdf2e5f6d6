// The program's own trigonometry of the double flavour against the C
// library's, which rounds nearly always correctly on this machine.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "sim/geometry/trigonometry.h"

namespace {

// How many doubles lie between A and B (0 for the same value).
uint64_t UlpsApart(double A, double B)
{
    const auto Ordered = [](double D) {
        int64_t Bits;
        std::memcpy(&Bits, &D, sizeof Bits);
        return Bits < 0 ? INT64_MIN - Bits : Bits;
    };
    const int64_t X = Ordered(A), Y = Ordered(B);
    return X > Y ? static_cast<uint64_t>(X) - static_cast<uint64_t>(Y)
                 : static_cast<uint64_t>(Y) - static_cast<uint64_t>(X);
}

// The functions as the double flavour has them, in double.
double Atan(double X) { return static_cast<double>(ArcTangent(Extended(X))); }
double Cos(double X) { return static_cast<double>(Cosine(Extended(X))); }
double Sin(double X) { return static_cast<double>(Sine(Extended(X))); }

class TrigonometryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (KALMOT_X87_EXTENDED) GTEST_SKIP() << "x87 extended uses the library's own";
    }
};

} // namespace

TEST_F(TrigonometryTest, ArcTangentIsWithinAnUlpOrTwoOfTheLibrarys)
{
    std::mt19937_64 Random(19);
    std::uniform_real_distribution<double> Coordinate(-1000, 1000);
    std::uniform_int_distribution<int> Exponent(-70, 70);
    std::vector<double> Values = {0, 1, 0.5, 1.0 / 32, 31.0 / 32, 1e-300, 0x1p60, 0x1p60 - 0x1p8, 1e300};
    for (int I = 0; I < 300000; ++I) {
        Values.push_back(Coordinate(Random) / Coordinate(Random)); // as DirectionAngle divides
        Values.push_back(std::ldexp(Coordinate(Random) / 1000, Exponent(Random)));
    }
    for (const double X : Values)
        for (const double V : {X, -X}) ASSERT_LE(UlpsApart(Atan(V), std::atan(V)), 2u) << V;
    EXPECT_EQ(Atan(1), std::atan(1.0)); // pi / 4 rounded, so that 45 degrees come out whole
    EXPECT_EQ(Atan(std::numeric_limits<double>::infinity()), std::atan(1.0) * 2);
    EXPECT_EQ(Atan(-std::numeric_limits<double>::infinity()), -std::atan(1.0) * 2);
    EXPECT_TRUE(std::signbit(Atan(-0.0)));
    EXPECT_TRUE(std::isnan(Atan(std::numeric_limits<double>::quiet_NaN())));
}

TEST_F(TrigonometryTest, CosineAndSineAreWithinAnUlpOrTwoOfTheLibrarys)
{
    std::mt19937_64 Random(20);
    std::uniform_real_distribution<double> Angle(-8, 8);
    const double Pi = std::atan(1.0) * 4;
    std::vector<double> Values;
    for (int I = 0; I <= 360; ++I) Values.push_back(I * (Pi / 180)); // the angle tables' arguments
    for (int I = 0; I < 300000; ++I) Values.push_back(Angle(Random));
    for (const double X : Values) {
        ASSERT_LE(UlpsApart(Cos(X), std::cos(X)), 2u) << X;
        ASSERT_LE(UlpsApart(Sin(X), std::sin(X)), 2u) << X;
    }
    EXPECT_EQ(Cos(0), 1);
    EXPECT_TRUE(std::signbit(Sin(-0.0)));
    EXPECT_TRUE(std::isnan(Sin(0x1p21)));
}
