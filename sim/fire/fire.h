#pragma once
// TFireCell: the fire automaton. A grid of integer heat values, one per
// display pixel of a rectangle; each step seeds the bottom row at random and
// spreads the heat upwards in place, cooling it row by row.

#include <cstdint>
#include <vector>

#include "sim/geometry/rounding.h"

// Heat values indexed [column][row]; row 0 is the top row.
using TFireGrid = std::vector<std::vector<int32_t>>;

struct TFireCell {
    double Left = 0;     // display x of column 0, display pixels (not relative to the Origin); whole
    double Top = 0;      // display y of row 0, display pixels; whole
    int32_t Columns = 0; // cells across
    int32_t Rows = 0;    // cells down; the bottom row Rows - 1 is where heat is seeded
    TFireGrid Cells;     // heat, [column][row]: seeds 0..255, spread cells at most 255 and possibly negative

    // The grid the step reads its neighbours through: StepFire points it at
    // Cells, so every value written in a step is seen by the reads after it.
    // Null until the first step. A copy refers to its own Cells, never to
    // the record it was copied from.
    const TFireGrid* Source = nullptr;

    TFireCell() = default;
    TFireCell(const TFireCell& Other);
    TFireCell(TFireCell&& Other) noexcept;
    TFireCell& operator=(const TFireCell& Other);
    TFireCell& operator=(TFireCell&& Other) noexcept;
    ~TFireCell() = default;
};

// Places the grid at (Left, Top) and makes it Columns x Rows cells, all 0.
// A size of 0 or less in either direction gives an empty grid (0 x 0),
// which steps and draws nothing.
void InitFire(TFireCell& F, int32_t Left, int32_t Top, int32_t Columns, int32_t Rows);

// One generation, in place: every column's bottom cell gets Random(256),
// left to right; then each column, left to right and bottom to top, takes
// the spread heat of the cells below it. Reads see this step's values for
// the column to the left and the cell below, and the previous step's values
// for the column to the right (bar its fresh seed). Allocates nothing once
// a grid of its number of rows has stepped. Each cell takes SpreadHeat's
// value, from a table of the sums a fire meets.
// A record whose Cells do not have the shape Columns x Rows is left alone.
// A fast path (docs/exactness.md): the cells StepFirePlain gives.
void StepFire(TFireCell& F);

// The reference StepFire is held to: the same step with every cell summed
// in Extended by SpreadHeatPlain; also StepFire's way for grids of more
// rows than WholeSpreadRows.
void StepFirePlain(TFireCell& F);

// The heat a cell takes from the three cells below it, on a grid of Rows
// rows: (Left + Right) / 4 + Centre / 2 - 255 / Rows, rounded half to even.
// Neighbours outside the grid are passed as 0; a grid without rows has no
// cooling. The reference SpreadHeat is held to.
int32_t SpreadHeatPlain(int32_t Left, int32_t Centre, int32_t Right, int32_t Rows);

// Grids of up to this many rows step in whole-number arithmetic: fewer
// where Extended is double, whose sums are rounded more coarsely.
constexpr int32_t WholeSpreadRows = ExtendedDigits >= 64 ? 1 << 20 : 1 << 19;

// SpreadHeatPlain for grids of 1 to WholeSpreadRows rows, worked out in
// whole numbers from Sum = Left + Right + 2 Centre: the exact value of
// Sum / 4 - 255 / Rows rounded half to even. SpreadHeatPlain's sum in
// Extended is off it by at most ExtendedUnit (|Sum| / 4 + 511), where
// |Sum| <= 2^33; a value that is not a tie lies at least 1 / (4 Rows) from
// the nearest tie, and a tie is summed exactly; so both round to the same
// whole number. A fast path (docs/exactness.md).
static_assert(ExtendedUnit * (0x1p31 + 511) * 4 * WholeSpreadRows < 1, "the sum cannot cross a tie");
int32_t SpreadHeat(int64_t Sum, int32_t Rows);
