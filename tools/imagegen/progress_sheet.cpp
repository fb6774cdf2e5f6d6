#include "palette.h"
#include "shapes.h"
#include "sheets.h"

namespace {

constexpr int Height = 17;
constexpr int FillLeft = 9;
constexpr int FillWidth = 8;
// Rows of the trough between its frame rows, and of the green within it.
constexpr int FirstGreenRow = 3;
constexpr int LastGreenRow = Height - 4;

// A column of the empty trough: outline, shadow, trough, light edge, outline.
void TroughColumn(TCanvas& Sheet, int X)
{
    using namespace Palette;
    Sheet.FillRect(X, 0, 1, Height, Trough);
    Sheet.Set(X, 0, Outline);
    Sheet.Set(X, 1, TroughShadow);
    Sheet.Set(X, Height - 2, TroughLight);
    Sheet.Set(X, Height - 1, Outline);
}

} // namespace

// Blocks are drawn 8 pixels apart starting 2 pixels into the bar, and a full
// bar's last block covers the right cap's first column. Each block therefore
// starts with a column of bare trough: the green segments come out evenly
// spaced, with one trough column inside the frame on both sides.
TCanvas MakeProgressSheet()
{
    using namespace Palette;
    TCanvas Sheet(FillLeft + FillWidth, Height);
    for (int X = 0; X < Sheet.Width(); ++X) TroughColumn(Sheet, X);
    Sheet.FillRect(0, 0, 1, Height, Outline);
    Sheet.FillRect(1, 1, 1, Height - 2, TroughShadow);
    Sheet.FillRect(7, 1, 1, Height - 2, TroughLight);
    Sheet.FillRect(8, 0, 1, Height, Outline);
    RoundCorner(Sheet, 0, 0, 1, 1, 2, Outline);
    RoundCorner(Sheet, 0, Height - 1, 1, -1, 2, Outline);
    RoundCorner(Sheet, 8, 0, -1, 1, 2, Outline);
    RoundCorner(Sheet, 8, Height - 1, -1, -1, 2, Outline);

    for (int Y = FirstGreenRow; Y <= LastGreenRow; ++Y)
        Sheet.FillRect(FillLeft + 1, Y, FillWidth - 1, 1,
                       Mix(FillTop, FillBottom, (Y - FirstGreenRow) / double(LastGreenRow - FirstGreenRow)));
    Sheet.FillRect(FillLeft + 1, FirstGreenRow, FillWidth - 1, 1, FillGloss);
    return Sheet;
}
