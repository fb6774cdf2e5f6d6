#include "sim/fire/fire_draw.h"

#include <SDL.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "draw/display.h"
#include "draw/pixels.h"
#include "draw/surface.h"
#include "sim/fire/fire_palette.h"
#include "sim/geometry/rounding.h"

namespace {

// The fire writes its colour into EmptyImage and blits from it. It uses the
// surface of EmptyImage2 for that; a surface of its own that EmptyImage still
// holds (after start-up or a full-screen toggle) is released first. The
// video layer frees EmptyImage2 once and skips EmptyImage when they are one.
void ShareScratchSurface()
{
    if (EmptyImage == EmptyImage2) return;
    SDL_FreeSurface(EmptyImage);
    EmptyImage = EmptyImage2;
}

// The display coordinate of cell Index of a grid whose first cell is at
// Start: Start rounded half to even, plus Index.
int64_t DisplayCoordinate(double Start, int32_t Index) { return static_cast<int64_t>(Round(Start)) + Index; }

// The blit takes positions in the 16 bits of SDL_Rect's fields. A cell
// beyond them lies far off the display; it is left out rather than wrapped
// round onto it.
bool FitsBlitRect(int64_t Coordinate) { return Coordinate >= INT16_MIN && Coordinate <= INT16_MAX; }

// Calls Draw(column, row, heat) for every cell with positive heat, column
// by column and top to bottom, never beyond the grid that is really there.
template <typename TDraw>
void ForEachLitCell(const TFireCell& F, TDraw Draw)
{
    const size_t Columns = std::min(F.Cells.size(), static_cast<size_t>(std::max(F.Columns, 0)));
    for (size_t I = 0; I < Columns; ++I) {
        const std::vector<int32_t>& Column = F.Cells[I];
        const size_t Rows = std::min(Column.size(), static_cast<size_t>(std::max(F.Rows, 0)));
        for (size_t J = 0; J < Rows; ++J)
            if (Column[J] > 0) Draw(static_cast<int32_t>(I), static_cast<int32_t>(J), Column[J]);
    }
}

} // namespace

void DrawFire(const TFireCell& F, uint8_t Intensity)
{
    if (Screen == nullptr || EmptyImage2 == nullptr) return;
    ShareScratchSurface();
    const SDL_Rect Src = MakeRect(0, 0, 1, 1);
    ForEachLitCell(F, [&](int32_t I, int32_t J, int32_t Heat) {
        const int64_t X = DisplayCoordinate(F.Left, I);
        const int64_t Y = DisplayCoordinate(F.Top, J);
        if (!FitsBlitRect(X) || !FitsBlitRect(Y)) return;
        const TFireColour C = FireColour(Heat);
        PutPixel(EmptyImage, SDL_MapRGB(Screen->format, C.Red, C.Green, C.Blue), false, 1, 1);
        SDL_SetAlpha(EmptyImage, SDL_SRCALPHA | SDL_SRCCOLORKEY, FireOpacity(Heat, Intensity));
        BlitAt(EmptyImage, Src, Screen, ClipRect, static_cast<int>(X), static_cast<int>(Y), false);
    });
    ShareScratchSurface();
}
