#include "sim/particles/wall_grid.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace {

constexpr int CellSize = 32;
constexpr int Cells = 128; // per side: the cells cover -2048 .. 2048 in x and in y
constexpr double GridEdge = CellSize * Cells / 2;
// Below this many walls, testing them all costs less than finding the cells.
constexpr size_t FewWalls = 8;

double CellStart(int C) { return C * CellSize - GridEdge; } // exact

// The cell column (or row) whose closed span holds a coordinate within the
// grid. The division may round across a cell's edge; the corrections put
// the coordinate back within the span.
int CellOf(double X)
{
    // X + GridEdge is not negative here, so the conversion rounds down.
    int C = std::min(static_cast<int>((X + GridEdge) * (1.0 / CellSize)), Cells - 1);
    if (C > 0 && CellStart(C) > X) --C;
    if (C < Cells - 1 && CellStart(C) + CellSize < X) ++C;
    return C;
}

// Every point P of the cell (and of the 2 x 2 blocks it is part of) lies
// on one side of the wall's line, with SegmentsSurelyMiss's margin to
// spare. The cross product is linear in P, so it is enough that the four
// corners clear a margin that also covers the rounding of the corners' own
// cross products and of P's: with M the largest coordinate of the wall and
// of the block, each is off by less than DoubleCrossError M^2, and
// SegmentsSurelyMiss asks for SurelyMissMargin M^2 (plus its guard against
// underflow), so the corners must clear CellMargin M^2 and twice that
// guard. A NaN fails every comparison.
constexpr double CellMargin = 2 * SurelyMissMargin;
static_assert(CellMargin >= SurelyMissMargin + 2 * DoubleCrossError, "the corners clear both roundings");

bool CellOnOneSide(const TVector& Start, const TSegmentBox& Wall, double X0, double Y0, double Reach)
{
    const double M = std::max(Reach, Wall.Reach);
    const double Margin = M * M * CellMargin + 2 * SurelyMissFloor;
    int Above = 0, Below = 0;
    for (const double X : {X0, X0 + CellSize})
        for (const double Y : {Y0, Y0 + CellSize}) {
            const double Cross = Wall.Dx * (Y - Start.Y) - Wall.Dy * (X - Start.X);
            Above += Cross > Margin;
            Below += Cross < -Margin;
        }
    return Above == 4 || Below == 4;
}

// Works out the set of walls of cell (CX, CY) and gives where it starts.
size_t CellWalls(TWallGrid& Grid, int CX, int CY)
{
    // Only grids of enough walls have cells, and a path's box only asks for cells of the grid.
    assert(CX >= 0 && CX < Cells && CY >= 0 && CY < Cells && Grid.CellSet.size() == size_t{Cells} * Cells);
    int32_t& Start = Grid.CellSet[static_cast<size_t>(CY) * Cells + static_cast<size_t>(CX)];
    if (Start >= 0) return static_cast<size_t>(Start);
    Start = static_cast<int32_t>(Grid.Sets.size());
    Grid.Sets.resize(Grid.Sets.size() + Grid.Words, 0);
    uint64_t* Set = Grid.Sets.data() + Start;
    const double X0 = CellStart(CX), Y0 = CellStart(CY);
    const double X1 = X0 + CellSize, Y1 = Y0 + CellSize;
    // The largest coordinate of any 2 x 2 block the cell is part of.
    const double Reach = std::max({std::fabs(X0 - CellSize), std::fabs(X1 + CellSize), std::fabs(Y0 - CellSize),
                                   std::fabs(Y1 + CellSize)});
    for (size_t K = 0; K < Grid.Boxes.size(); ++K) {
        const TSegmentBox& Box = Grid.Boxes[K];
        const bool Apart = Box.MaxX < X0 || Box.MinX > X1 || Box.MaxY < Y0 || Box.MinY > Y1;
        if (!(Apart && CellOnOneSide(Grid.Starts[K], Box, X0, Y0, Reach))) Set[K / 64] |= uint64_t{1} << (K % 64);
    }
    return static_cast<size_t>(Start);
}

} // namespace

void BuildWallGrid(TWallGrid& Grid, const std::vector<TSegment>& Walls)
{
    Grid.Boxes.clear();
    Grid.Starts.clear();
    for (const TSegment& Wall : Walls) {
        Grid.Boxes.push_back(SegmentBox(Wall));
        Grid.Starts.push_back(Wall.A);
    }
    Grid.Words = (Walls.size() + 63) / 64;
    Grid.CellSet.assign(Walls.size() < FewWalls ? 0 : static_cast<size_t>(Cells) * Cells, -1);
    Grid.Sets.clear();
}

void FindWallsNearPath(TWallGrid& Grid, const TSegmentBox& PathBox, std::vector<uint64_t>& Near)
{
    const size_t Walls = Grid.Boxes.size();
    assert(Grid.Words == (Walls + 63) / 64 && Grid.Starts.size() == Walls);
    Near.assign(Grid.Words, 0);
    const bool Inside = PathBox.MinX >= -GridEdge && PathBox.MaxX < GridEdge && PathBox.MinY >= -GridEdge &&
                        PathBox.MaxY < GridEdge; // false for NaN
    const int CX0 = Inside ? CellOf(PathBox.MinX) : 0, CX1 = Inside ? CellOf(PathBox.MaxX) : 0;
    const int CY0 = Inside ? CellOf(PathBox.MinY) : 0, CY1 = Inside ? CellOf(PathBox.MaxY) : 0;
    if (!Inside || CX1 - CX0 > 1 || CY1 - CY0 > 1 || Walls < FewWalls) {
        FindWallsNearPathPlain(Grid, Near);
        return;
    }
    // Cells that share an edge or a corner share corners, so a wall left
    // out of all of them has the whole block on one side of its line.
    for (int CY = CY0; CY <= CY1; ++CY)
        for (int CX = CX0; CX <= CX1; ++CX) {
            const size_t Start = CellWalls(Grid, CX, CY);
            for (size_t W = 0; W < Grid.Words; ++W) Near[W] |= Grid.Sets[Start + W];
        }
}

void FindWallsNearPathPlain(const TWallGrid& Grid, std::vector<uint64_t>& Near)
{
    Near.assign(Grid.Words, 0);
    for (size_t K = 0; K < Grid.Boxes.size(); ++K) Near[K / 64] |= uint64_t{1} << (K % 64);
}

size_t NextWall(const std::vector<uint64_t>& Near, size_t From, size_t Walls)
{
    for (size_t W = From / 64; W < Near.size(); ++W) {
        uint64_t Bits = Near[W];
        if (W == From / 64) Bits &= ~uint64_t{0} << (From % 64);
        if (Bits != 0) return std::min(Walls, W * 64 + static_cast<size_t>(__builtin_ctzll(Bits)));
    }
    return Walls;
}
