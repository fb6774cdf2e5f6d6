#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "sim/fire/fire.h"
#include "sim/random.h"

namespace {

// Share of the cells of row Row with positive heat.
double LitShare(const TFireCell& F, int Row)
{
    int Lit = 0;
    for (const auto& Column : F.Cells) Lit += Column[Row] > 0;
    return static_cast<double>(Lit) / F.Columns;
}

double RowMean(const TFireCell& F, int Row)
{
    double Sum = 0;
    for (const auto& Column : F.Cells) Sum += Column[Row];
    return Sum / F.Columns;
}

// The next N values of the generator after SeedRandom(Seed).
std::vector<int32_t> Draws(uint64_t Seed, int N)
{
    SeedRandom(Seed);
    std::vector<int32_t> Values;
    for (int I = 0; I < N; ++I) Values.push_back(Random(256));
    return Values;
}

uint64_t HashCells(const TFireCell& F)
{
    uint64_t Hash = 14695981039346656037ull; // FNV-1a
    for (const auto& Column : F.Cells)
        for (const int32_t V : Column)
            for (int Byte = 0; Byte < 4; ++Byte) {
                Hash ^= (static_cast<uint32_t>(V) >> (8 * Byte)) & 0xFFu;
                Hash *= 1099511628211ull;
            }
    return Hash;
}

} // namespace

TEST(FireSpread, WorkedCells)
{
    EXPECT_EQ(SpreadHeat(0, 0, 0, 100), -3);    // -2.55
    EXPECT_EQ(SpreadHeat(0, 200, 100, 100), 122); // 25 + 100 - 2.55
    EXPECT_EQ(SpreadHeat(255, 255, 255, 100), 252); // 252.45
    // The sides are summed before the quarter is taken: 1 + 2 = 3, 3/4 + 0 - 1 = -0.25.
    EXPECT_EQ(SpreadHeat(1, 0, 2, 255), 0);
    // Ties go to the even neighbour: with two rows the cooling is 127.5.
    EXPECT_EQ(SpreadHeat(0, 0, 0, 2), -128);  // -127.5
    EXPECT_EQ(SpreadHeat(2, 1, 0, 2), -126);  // 0.5 + 0.5 - 127.5 = -126.5
    EXPECT_EQ(SpreadHeat(4, 255, 0, 2), 1);   // 1 + 127.5 - 127.5
    EXPECT_EQ(SpreadHeat(1, 2, 0, 2), -126);  // 0.25 + 1 - 127.5 = -126.25
    EXPECT_EQ(SpreadHeat(2, 0, 4, 4), -62);   // 1.5 - 63.75 = -62.25
}

TEST(FireSpread, ExtremeHeatNeitherOverflowsNorDividesByZero)
{
    EXPECT_EQ(SpreadHeat(INT32_MAX, INT32_MAX, INT32_MAX, 1), INT32_MAX - 255);
    EXPECT_EQ(SpreadHeat(INT32_MIN, 0, INT32_MIN, 1), INT32_MIN / 2 - 255);
    EXPECT_EQ(SpreadHeat(4, 0, 0, 0), 1); // no rows, no cooling
}

TEST(FireInit, GivesAZeroGridAtItsPlace)
{
    TFireCell F;
    InitFire(F, 0, 500, 800, 100);
    EXPECT_EQ(F.Left, 0.0);
    EXPECT_EQ(F.Top, 500.0);
    EXPECT_EQ(F.Columns, 800);
    EXPECT_EQ(F.Rows, 100);
    ASSERT_EQ(F.Cells.size(), 800u);
    for (const auto& Column : F.Cells) {
        ASSERT_EQ(Column.size(), 100u);
        EXPECT_TRUE(std::all_of(Column.begin(), Column.end(), [](int32_t V) { return V == 0; }));
    }
    EXPECT_EQ(F.Source, nullptr);

    // Again over a used record: the old grid goes.
    StepFire(F);
    InitFire(F, -3, 7, 2, 3);
    EXPECT_EQ(F.Cells, (TFireGrid{{0, 0, 0}, {0, 0, 0}}));
}

TEST(FireInit, NonPositiveSizesGiveAnEmptyGridThatSteps)
{
    for (const auto& [Columns, Rows] : {std::pair{0, 10}, {10, 0}, {-5, 10}, {10, -1}, {-1, -1}}) {
        TFireCell F;
        InitFire(F, 10, 20, Columns, Rows);
        EXPECT_EQ(F.Columns, 0);
        EXPECT_EQ(F.Rows, 0);
        EXPECT_TRUE(F.Cells.empty());
        const int32_t FirstDraw = Draws(5, 1)[0];
        SeedRandom(5);
        StepFire(F);
        EXPECT_TRUE(F.Cells.empty());
        EXPECT_EQ(Random(256), FirstDraw); // no seed was drawn
    }
}

TEST(FireStep, SeedsTheBottomRowLeftToRight)
{
    TFireCell F;
    InitFire(F, 0, 0, 6, 1); // one row: the step only reseeds it
    const std::vector<int32_t> Expected = Draws(77, 12);
    SeedRandom(77);
    StepFire(F);
    EXPECT_EQ(F.Source, &F.Cells);
    for (int I = 0; I < 6; ++I) EXPECT_EQ(F.Cells[I][0], Expected[I]) << I;
    StepFire(F);
    for (int I = 0; I < 6; ++I) EXPECT_EQ(F.Cells[I][0], Expected[6 + I]) << I;
}

TEST(FireStep, SingleColumnHasNoSideHeat)
{
    TFireCell F;
    InitFire(F, 0, 0, 1, 100);
    SeedRandom(3);
    StepFire(F);
    const int32_t Seed = Draws(3, 1)[0];
    EXPECT_EQ(F.Cells[0][99], Seed);
    for (int J = 98; J >= 0; --J) EXPECT_EQ(F.Cells[0][J], SpreadHeat(0, F.Cells[0][J + 1], 0, 100)) << J;
    EXPECT_LT(F.Cells[0][0], 0); // cooled for 99 rows
}

TEST(FireStep, TwoRowsSpreadOnlyTheTopRowFromTheSeeds)
{
    TFireCell F;
    InitFire(F, 0, 0, 5, 2);
    F.Cells[2][0] = 999; // old heat in the spread row is simply replaced
    SeedRandom(11);
    StepFire(F);
    const std::vector<int32_t> S = Draws(11, 5);
    for (int I = 0; I < 5; ++I) {
        EXPECT_EQ(F.Cells[I][1], S[I]);
        const int32_t L = I > 0 ? S[I - 1] : 0;
        const int32_t R = I < 4 ? S[I + 1] : 0;
        EXPECT_EQ(F.Cells[I][0], SpreadHeat(L, S[I], R, 2)) << I;
    }
}

TEST(FireStep, ReadsTheNewLeftColumnAndTheOldRightColumn)
{
    // Three rows: row 1 is spread from the seeds, row 0 from row 1. Row 1
    // starts with heat no spread could give, so each read shows whether it
    // saw the old or the new value.
    TFireCell F;
    InitFire(F, 0, 0, 3, 3);
    F.Cells[0][1] = -1000;
    F.Cells[1][1] = 1000;
    F.Cells[2][1] = 2000;
    SeedRandom(42);
    StepFire(F);
    const std::vector<int32_t> S = Draws(42, 3);
    const int32_t New0 = SpreadHeat(0, S[0], S[1], 3);
    const int32_t New1 = SpreadHeat(S[0], S[1], S[2], 3);
    const int32_t New2 = SpreadHeat(S[1], S[2], 0, 3);
    EXPECT_EQ(F.Cells[0][1], New0);
    EXPECT_EQ(F.Cells[1][1], New1);
    EXPECT_EQ(F.Cells[2][1], New2);
    // Column 0 reads the old 1000 on its right; column 1 the new New0 on its
    // left and the old 2000 on its right; column 2 the new New1.
    EXPECT_EQ(F.Cells[0][0], SpreadHeat(0, New0, 1000, 3));
    EXPECT_EQ(F.Cells[1][0], SpreadHeat(New0, New1, 2000, 3));
    EXPECT_EQ(F.Cells[2][0], SpreadHeat(New1, New2, 0, 3));
    EXPECT_GT(F.Cells[0][0], 150);  // 250 + at most 127 - 85
    EXPECT_GT(F.Cells[1][0], 300);
}

TEST(FireStep, MisshapenGridIsLeftAlone)
{
    TFireCell F;
    InitFire(F, 0, 0, 4, 4);
    F.Cells[2].resize(2);
    const TFireGrid Before = F.Cells;
    StepFire(F);
    EXPECT_EQ(F.Cells, Before);
    F.Cells.pop_back();
    StepFire(F);
    EXPECT_EQ(F.Cells.size(), 3u);
}

TEST(FireStep, FirstGenerationLightsTheBottomTenRows)
{
    TFireCell F;
    InitFire(F, 0, 500, 800, 100);
    SeedRandom(1);
    StepFire(F);
    for (int J = 91; J < 100; ++J) EXPECT_GT(LitShare(F, J), 0.9) << J;
    EXPECT_GT(LitShare(F, 90), 0.6);
    for (int J = 0; J < 88; ++J) EXPECT_EQ(LitShare(F, J), 0.0) << J;
    // Above the flames the cells sink to the level where a quarter of the
    // sides' heat no longer makes up for the cooling: about -9.
    EXPECT_NEAR(RowMean(F, 0), -9, 0.5);
}

TEST(FireStep, SettlesAtTheLowerHalfWithTheTopRowNearMinus145)
{
    TFireCell F;
    InitFire(F, 0, 500, 800, 100);
    SeedRandom(2);
    for (int Generation = 0; Generation < 60; ++Generation) StepFire(F);
    // Sampled over further generations so that no single one decides.
    double LitCells = 0, TopMean = 0;
    int TopLowest = 0;
    constexpr int Samples = 40;
    for (int Generation = 0; Generation < Samples; ++Generation) {
        StepFire(F);
        for (int J = 0; J < 100; ++J) LitCells += LitShare(F, J);
        TopMean += RowMean(F, 0);
        for (const auto& Column : F.Cells) TopLowest = std::min(TopLowest, Column[0]);
        for (int J = 0; J < 40; ++J) EXPECT_EQ(LitShare(F, J), 0.0);
        for (int J = 60; J < 100; ++J) EXPECT_GT(LitShare(F, J), 0.95);
        for (const auto& Column : F.Cells) {
            EXPECT_GE(Column[99], 0);
            EXPECT_LE(*std::max_element(Column.begin(), Column.end()), 255);
        }
    }
    EXPECT_NEAR(LitCells / Samples, 50, 5); // rows lit per column
    EXPECT_NEAR(TopMean / Samples, -137, 6);
    EXPECT_NEAR(TopLowest, -145, 4);
}

TEST(FireStep, SeededRunIsRepeatable)
{
    // Golden value, taken once after the worked cells above had been checked;
    // it changes if the order of seeding, reading or rounding changes.
    constexpr uint64_t Golden = 2792364589457760914ull;
    TFireCell F;
    InitFire(F, 0, 500, 800, 100);
    SeedRandom(20261207);
    for (int Generation = 0; Generation < 50; ++Generation) StepFire(F);
    EXPECT_EQ(HashCells(F), Golden) << "hash of this run: " << HashCells(F);
}

TEST(FireCellRecord, CopiesReadThroughTheirOwnGrid)
{
    TFireCell F;
    InitFire(F, 1, 2, 3, 4);
    TFireCell Fresh = F;
    EXPECT_EQ(Fresh.Source, nullptr);
    StepFire(F);
    TFireCell Copy = F;
    EXPECT_EQ(Copy.Source, &Copy.Cells);
    EXPECT_EQ(Copy.Cells, F.Cells);
    TFireCell Moved = std::move(Copy);
    EXPECT_EQ(Moved.Source, &Moved.Cells);
    Fresh = Moved;
    EXPECT_EQ(Fresh.Source, &Fresh.Cells);
    EXPECT_EQ(Fresh.Left, 1.0);
    EXPECT_EQ(Fresh.Rows, 4);
}
