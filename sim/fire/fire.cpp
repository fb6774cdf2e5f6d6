#include "sim/fire/fire.h"

#include <algorithm>
#include <cassert>
#include <cstddef>
#include <utility>

#include "sim/geometry/rounding.h"
#include "sim/random.h"

namespace {

constexpr int SeedRange = 256; // seeds are 0..255

// Cells really is Columns arrays of Rows values each.
bool HasItsShape(const TFireCell& F)
{
    if (F.Columns < 0 || F.Rows < 0 || F.Cells.size() != static_cast<size_t>(F.Columns)) return false;
    for (const auto& Column : F.Cells)
        if (Column.size() != static_cast<size_t>(F.Rows)) return false;
    return true;
}

} // namespace

TFireCell::TFireCell(const TFireCell& Other)
    : Left(Other.Left), Top(Other.Top), Columns(Other.Columns), Rows(Other.Rows), Cells(Other.Cells),
      Source(Other.Source != nullptr ? &Cells : nullptr)
{
}

TFireCell::TFireCell(TFireCell&& Other) noexcept
    : Left(Other.Left), Top(Other.Top), Columns(Other.Columns), Rows(Other.Rows), Cells(std::move(Other.Cells)),
      Source(Other.Source != nullptr ? &Cells : nullptr)
{
}

TFireCell& TFireCell::operator=(const TFireCell& Other)
{
    if (this != &Other) {
        TFireCell Copy(Other);
        *this = std::move(Copy);
    }
    return *this;
}

TFireCell& TFireCell::operator=(TFireCell&& Other) noexcept
{
    if (this != &Other) {
        Left = Other.Left;
        Top = Other.Top;
        Columns = Other.Columns;
        Rows = Other.Rows;
        Cells = std::move(Other.Cells);
        Source = Other.Source != nullptr ? &Cells : nullptr;
    }
    return *this;
}

void InitFire(TFireCell& F, int32_t Left, int32_t Top, int32_t Columns, int32_t Rows)
{
    F.Left = Left;
    F.Top = Top;
    if (Columns <= 0 || Rows <= 0) Columns = Rows = 0; // nothing to seed, spread or draw
    F.Columns = Columns;
    F.Rows = Rows;
    F.Cells.assign(static_cast<size_t>(Columns), std::vector<int32_t>(static_cast<size_t>(Rows), 0));
}

int32_t SpreadHeatPlain(int32_t Left, int32_t Centre, int32_t Right, int32_t Rows)
{
    // The sides are summed as whole numbers first; 64 bits so that no heat
    // a grid can hold overflows.
    const int64_t Sides = static_cast<int64_t>(Left) + Right;
    const Extended Cooling = Rows > 0 ? static_cast<Extended>(255) / Rows : 0;
    return Round(static_cast<Extended>(Sides) / 4 + static_cast<Extended>(Centre) / 2 - Cooling);
}

int32_t SpreadHeat(int64_t Sum, int32_t Rows)
{
    // Sum / 4 - 255 / Rows = N / D; at most 2^34 * 2^20 in size, so the
    // products fit 64 bits only for the sums and rows the proof is for.
    assert(Rows >= 1 && Rows <= WholeSpreadRows && Sum >= -(int64_t{1} << 34) && Sum <= int64_t{1} << 34);
    const int64_t N = Sum * Rows - 1020;
    const int64_t D = 4 * static_cast<int64_t>(Rows);
    int64_t Q = N / D;
    int64_t R = N % D;
    if (R < 0) { // floor division
        R += D;
        --Q;
    }
    if (2 * R > D || (2 * R == D && (Q & 1) != 0)) ++Q;
    return static_cast<int32_t>(std::clamp<int64_t>(Q, INT32_MIN, INT32_MAX));
}

namespace {

// SpreadHeat of every sum from -TableReach to TableReach - 1 for one
// number of rows; the fire's cells stay within 255 and a few hundred below 0.
constexpr int64_t TableReach = 2048;

const std::vector<int32_t>& SpreadTable(int32_t Rows)
{
    static int32_t TableRows = 0;
    static std::vector<int32_t> Table;
    if (TableRows != Rows) {
        Table.resize(2 * TableReach);
        for (int64_t Sum = -TableReach; Sum < TableReach; ++Sum)
            Table[static_cast<size_t>(Sum + TableReach)] = SpreadHeat(Sum, Rows);
        TableRows = Rows;
    }
    return Table;
}

} // namespace

void StepFire(TFireCell& F)
{
    if (!HasItsShape(F)) return;
    if (F.Rows > WholeSpreadRows) {
        StepFirePlain(F);
        return;
    }
    F.Source = &F.Cells;
    const TFireGrid& Source = *F.Source;
    const int32_t Bottom = F.Rows - 1;

    for (int32_t I = 0; I < F.Columns; ++I) F.Cells[I][Bottom] = Random(SeedRange);
    if (F.Rows < 2) return;

    const int32_t* const Table = SpreadTable(F.Rows).data() + TableReach;
    const auto Spread = [&](int64_t Sum) {
        return Sum >= -TableReach && Sum < TableReach ? Table[Sum] : SpreadHeat(Sum, F.Rows);
    };
    for (int32_t I = 0; I < F.Columns; ++I) {
        // As in StepFirePlain: the column to the left is finished, the
        // one to the right holds the last step's heat bar its fresh seed,
        // and the cell below was written just before.
        const int32_t* LeftColumn = I > 0 ? Source[I - 1].data() : nullptr;
        const int32_t* RightColumn = I + 1 < F.Columns ? Source[I + 1].data() : nullptr;
        int32_t* Column = F.Cells[I].data();
        for (int32_t J = Bottom - 1; J >= 0; --J) {
            const int64_t L = LeftColumn != nullptr ? LeftColumn[J + 1] : 0;
            const int64_t R = RightColumn != nullptr ? RightColumn[J + 1] : 0;
            Column[J] = Spread(L + R + 2 * static_cast<int64_t>(Column[J + 1]));
        }
    }
}

void StepFirePlain(TFireCell& F)
{
    if (!HasItsShape(F)) return;
    F.Source = &F.Cells;
    const TFireGrid& Source = *F.Source;
    const int32_t Bottom = F.Rows - 1;

    for (int32_t I = 0; I < F.Columns; ++I) F.Cells[I][Bottom] = Random(SeedRange);

    for (int32_t I = 0; I < F.Columns; ++I) {
        // The column to the left is finished; the one to the right still
        // holds the last step's heat except in its freshly seeded bottom row.
        const std::vector<int32_t>* LeftColumn = I > 0 ? &Source[I - 1] : nullptr;
        const std::vector<int32_t>* RightColumn = I + 1 < F.Columns ? &Source[I + 1] : nullptr;
        const std::vector<int32_t>& Centre = Source[I];
        std::vector<int32_t>& Column = F.Cells[I];
        for (int32_t J = Bottom - 1; J >= 0; --J) {
            const int32_t L = LeftColumn != nullptr ? (*LeftColumn)[J + 1] : 0;
            const int32_t R = RightColumn != nullptr ? (*RightColumn)[J + 1] : 0;
            Column[J] = SpreadHeatPlain(L, Centre[J + 1], R, F.Rows);
        }
    }
}
