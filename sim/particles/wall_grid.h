#pragma once
// TWallGrid: for each 32 x 32 pixel cell near the Origin, the walls that a
// path lying in that cell might meet. A wall is left out of a cell only
// where SegmentsSurelyMiss would rule it out for every path in the cell:
// its box lies apart from the cell and the whole cell lies clearly on one
// side of its line. So a particle tests a handful of walls in full instead
// of every wall, and finds the same hits in the same order.
//
// Cells are worked out the first time a path needs them, so a step pays
// only for the cells its particles reach.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "sim/geometry/segment.h"

struct TWallGrid {
    std::vector<TSegmentBox> Boxes; // per wall, as SegmentBox gives it
    std::vector<TVector> Starts;    // per wall, its first end
    size_t Words = 0;               // 64-bit words in one cell's set of walls
    std::vector<int32_t> CellSet;   // per cell: where its set starts in Sets, or -1 until worked out
    std::vector<uint64_t> Sets;     // bit k of a set: wall k may be met
};

void BuildWallGrid(TWallGrid& Grid, const std::vector<TSegment>& Walls);

// Into Near (Words long): the walls a path with this box might meet. A
// path that is not within a 2 x 2 block of cells (long, far away, or not
// finite) gets every wall, and so does every path among a few walls. A
// fast path (docs/exactness.md): it leaves out of FindWallsNearPathPlain's
// set only walls that SegmentsSurelyMiss rules out for the path.
void FindWallsNearPath(TWallGrid& Grid, const TSegmentBox& PathBox, std::vector<uint64_t>& Near);

// The reference FindWallsNearPath is held to: every wall, as the plain
// bounce tests them.
void FindWallsNearPathPlain(const TWallGrid& Grid, std::vector<uint64_t>& Near);

// The first wall at or after From in Near; Walls when there is none.
size_t NextWall(const std::vector<uint64_t>& Near, size_t From, size_t Walls);
