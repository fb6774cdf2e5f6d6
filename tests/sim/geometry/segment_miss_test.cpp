// SegmentsSurelyMiss may only answer true where its reference, SegmentsMissPlain, does.

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "sim/geometry/segment.h"

namespace {

TSegment Segment(double AX, double AY, double BX, double BY)
{
    TSegment S;
    S.A.X = AX;
    S.A.Y = AY;
    S.B.X = BX;
    S.B.Y = BY;
    return S;
}

} // namespace

TEST(SegmentsSurelyMissTest, NeverMissesACrossingAndRulesOutMostFarSegments)
{
    std::mt19937_64 Random(99);
    std::uniform_real_distribution<double> Screen(-500, 500), Unit(-1, 1), Far(-1e6, 1e6);
    int Far_ = 0, RuledOut = 0;
    for (int I = 0; I < 300000; ++I) {
        TSegment P, Q;
        switch (I % 6) {
        case 0: // anywhere
            P = Segment(Screen(Random), Screen(Random), Screen(Random), Screen(Random));
            Q = Segment(Screen(Random), Screen(Random), Screen(Random), Screen(Random));
            break;
        case 1: { // on one slanted line, where only rounding decides the sides
            const double Slope = Unit(Random), C = Screen(Random);
            const auto On = [&](double X) { return Segment(X, X * Slope + C, 0, 0).A; };
            const double X[4] = {Far(Random), Far(Random), Far(Random), Far(Random)};
            P = Segment(On(X[0]).X, On(X[0]).Y, On(X[1]).X, On(X[1]).Y);
            Q = Segment(On(X[2]).X, On(X[2]).Y, On(X[3]).X, On(X[3]).Y);
            break;
        }
        case 2: { // sharing an end, or one's end on the other
            P = Segment(Screen(Random), Screen(Random), Screen(Random), Screen(Random));
            const double T = Random() % 2 ? 0.5 : Unit(Random);
            Q = Segment(P.A.X + (P.B.X - P.A.X) * T, P.A.Y + (P.B.Y - P.A.Y) * T, Screen(Random), Screen(Random));
            break;
        }
        case 3: // short paths near a whole-pixel grid of walls
            P = Segment(std::round(Screen(Random)) + Unit(Random) * 0.01, std::round(Screen(Random) / 50),
                        std::round(Screen(Random)), std::round(Screen(Random) / 50) + Unit(Random));
            Q = Segment(std::round(Screen(Random)), std::round(Screen(Random) / 50), std::round(Screen(Random)),
                        std::round(Screen(Random) / 50));
            break;
        case 4: { // points and zero-length segments
            const double X = std::round(Screen(Random) / 100), Y = std::round(Screen(Random) / 100);
            P = Segment(X, Y, X, Y);
            Q = Segment(std::round(Screen(Random) / 100), Y, std::round(Screen(Random) / 100), Y);
            break;
        }
        default: // huge and tiny coordinates, and where products in double overflow
            if (I / 6 % 2 == 0) {
                P = Segment(Far(Random) * 1e290, Far(Random) * 1e-300, Far(Random), Far(Random) * 1e290);
                Q = Segment(Far(Random) * 1e-310, Far(Random), Far(Random) * 1e300, Far(Random));
            } else {
                const double Scale = std::ldexp(1.0, 500 + static_cast<int>(Random() % 15));
                const auto Huge = [&] { return Unit(Random) * Scale * (Random() % 3 == 0 ? 1e-3 : 1); };
                P = Segment(Huge(), Huge(), Huge(), Huge());
                Q = Segment(Huge(), Huge(), Huge(), Huge());
            }
            break;
        }
        const bool Miss = SegmentsSurelyMiss(P, Q);
        const bool Misses = SegmentsMissPlain(P, Q);
        ASSERT_TRUE(!Miss || Misses) << I;
        ASSERT_EQ(Miss, SegmentsSurelyMiss(P, Q));
        if (I % 6 == 0 && Misses) {
            ++Far_;
            RuledOut += Miss;
        }
    }
    // Without this the shortcut would be correct but useless.
    EXPECT_GT(RuledOut, Far_ * 9 / 10);
}

TEST(SegmentsSurelyMissTest, LeavesTouchingAndUndecidableCasesToTheFullTest)
{
    // A shared end, a T, a point on the segment, and infinite coordinates.
    EXPECT_FALSE(SegmentsSurelyMiss(Segment(0, 0, 10, 10), Segment(10, 10, 20, 0)));
    EXPECT_FALSE(SegmentsSurelyMiss(Segment(0, 0, 10, 0), Segment(5, 0, 5, 10)));
    EXPECT_FALSE(SegmentsSurelyMiss(Segment(3, 0, 3, 0), Segment(0, 0, 10, 0)));
    EXPECT_FALSE(SegmentsSurelyMiss(Segment(0, 0, HUGE_VAL, 0), Segment(0, 5, 1, 6)));
    // Beyond SurelyMissReach nothing is sure: here, in double, the full test's
    // products overflow and it finds a crossing of segments far apart.
    EXPECT_FALSE(SegmentsSurelyMiss(
        Segment(-0x1.ce8fdfa98a60ep+511, -0x1.52f3af3ef0878p+511, -0x1.81c1de884e15p+511, 0x1.ba29284f02bd4p+511),
        Segment(-0x1.4160537d1eb8p+510, -0x1.d882fb007d978p+511, -0x1.6c7da2aa61135p+511, -0x1.ea9b396c31458p+511)));
    // Clearly apart.
    EXPECT_TRUE(SegmentsSurelyMiss(Segment(0, 0, 10, 0), Segment(0, 5, 10, 6)));
    EXPECT_TRUE(SegmentsSurelyMiss(Segment(0, 0, 1, 1), Segment(300, 0, 301, -5)));
}
