// The wall grid may leave out of its reference's walls (every wall) only
// those that SegmentsSurelyMiss rules out; the physics identity tests then
// show that the step finds the same hits.

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "sim/particles/wall_grid.h"
#include "support/particle_world.h"

TEST(WallGridTest, LeavesOutOnlyWallsThePathSurelyMisses)
{
    std::mt19937_64 Random(7);
    std::uniform_real_distribution<double> Wide(-2200, 2200), Near(-40, 40), Step(-20, 20), Unit(0, 1);
    // Long and short walls, walls along one slanted line far apart (the
    // rounding of their cross products decides), walls on cell edges, a
    // point, walls that are not finite, and walls whose lines pass a hair
    // from a cell's corner: 150 of them, three words.
    std::vector<TSegment> Walls, CornerLines; // CornerLines: from the corner along such a wall
    const double Slope = 0.1 * std::sqrt(2.0);
    for (int K = 0; K < 150; ++K) {
        const double X = Wide(Random) / 4, Y = Wide(Random) / 4;
        const double CornerX = std::round(X / 32) * 32, CornerY = std::round(Y / 32) * 32;
        switch (K % 7) {
        case 0: Walls.push_back(Wall(X, Y, X + Near(Random) * 5, Y + Near(Random) * 5)); break;
        case 1: Walls.push_back(Wall(X, X * Slope, X + 20, (X + 20) * Slope)); break;
        case 2: Walls.push_back(Wall(std::round(X / 32) * 32, Y, std::round(X / 32) * 32, Y + 64)); break;
        case 3: Walls.push_back(Wall(X, Y, X, Y)); break;
        case 4: Walls.push_back(K == 4 ? Wall(std::nan(""), 0, 5, 5) : Wall(X, 1e300, -1e300, Y)); break;
        case 5: Walls.push_back(Wall(Wide(Random), Wide(Random), Wide(Random), Wide(Random))); break;
        default: {
            const double AX = std::nextafter(CornerX, 1e9), DX = Near(Random), DY = Near(Random);
            Walls.push_back(Wall(AX + 4 * DX, CornerY + 4 * DY, AX + 5 * DX, CornerY + 5 * DY)); // its line, not its box
            CornerLines.push_back(Wall(CornerX, CornerY, DX, DY));
            break;
        }
        }
    }
    TWallGrid Grid;
    BuildWallGrid(Grid, Walls);
    std::vector<uint64_t> Found, Every;
    FindWallsNearPathPlain(Grid, Every);
    size_t LeftOut = 0, Pairs = 0;
    for (int I = 0; I < 20000; ++I) {
        double X, Y;
        switch (I % 5) {
        case 0: X = Wide(Random) / 4, Y = Wide(Random) / 4; break;                 // near the walls
        case 1: X = std::round(Wide(Random) / 32) * 32, Y = Wide(Random) / 4; break; // on a cell edge
        case 2: X = Wide(Random) / 4, Y = X * Slope; break;                         // on the slanted line
        case 3: X = Wide(Random), Y = (Unit(Random) < 0.5 ? 2048 : -2048) + Near(Random); break; // the grid's edge
        default: X = std::round(Wide(Random) / 128) * 32, Y = std::round(Wide(Random) / 128) * 32; break; // a corner
        }
        TSegment Path = Wall(X, Y, X + Step(Random) * Unit(Random), Y + Step(Random) * Unit(Random));
        if (I % 10 == 9) { // from a corner along the line of a wall that passes it
            const TSegment& Line = CornerLines[Random() % CornerLines.size()];
            const double T = Random() % 3 == 0 ? 0 : Unit(Random) * (Random() % 2 ? 0.5 : -0.5); // 0: at rest
            Path = Wall(Line.A.X, Line.A.Y, Line.A.X + T * Line.B.X, Line.A.Y + T * Line.B.Y);
        }
        FindWallsNearPath(Grid, SegmentBox(Path), Found);
        size_t LeftHere = 0; // walls this path skips
        for (size_t K = 0; K < Walls.size(); ++K) {
            if (!(Every[K / 64] >> (K % 64) & 1) || Found[K / 64] >> (K % 64) & 1) continue;
            ++LeftHere;
            ASSERT_TRUE(SegmentsSurelyMiss(Path, Walls[K])) << "path " << I << ", wall " << K;
        }
        // NextWall walks the same set in ascending order.
        size_t Walked = 0, Last = 0;
        for (size_t K = NextWall(Found, 0, Walls.size()); K < Walls.size(); K = NextWall(Found, K + 1, Walls.size())) {
            ASSERT_TRUE(Walked == 0 || K > Last);
            ASSERT_TRUE(Found[K / 64] >> (K % 64) & 1);
            Last = K;
            ++Walked;
        }
        ASSERT_EQ(Walked + LeftHere, Walls.size()) << "path " << I;
        if (I % 5 == 0) // short paths near finite walls
            for (size_t K = 0; K < Walls.size(); ++K)
                if (K % 7 != 4) {
                    ++Pairs;
                    LeftOut += !(Found[K / 64] >> (K % 64) & 1);
                }
    }
    // Without this the grid would be correct but useless. Point walls have
    // no line to be clearly on one side of, so they are always kept.
    EXPECT_GT(LeftOut, Pairs * 2 / 3);
}
