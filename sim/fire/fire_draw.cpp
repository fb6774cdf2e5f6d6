#include "sim/fire/fire_draw.h"

#include <SDL.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "draw/blit_blend.h"
#include "draw/display.h"
#include "draw/pixel_rules.h"
#include "draw/pixels.h"
#include "draw/surface.h"
#include "draw/surface_lock.h"
#include "sim/fire/fire_palette.h"
#include "sim/geometry/rounding.h"

namespace {

// The display coordinate of a grid's first cell: its position rounded half
// to even. Cell i lies i pixels further on.
int64_t DisplayStart(double Position) { return Round(Extended(Position)); }

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

// Blends every lit cell straight into Screen's pixels, as the one-pixel
// blits would, clipped to Screen's clipping rectangle as they are. Each
// cell has a display pixel of its own, so the order they are drawn in
// does not show: row by row, along the display's memory.
void BlendFire(const TFireCell& F, uint8_t Intensity)
{
    // Colour and opacity by heat; heat above 255 has the colour of 255.
    struct TLook {
        Uint32 Colour;
        uint8_t Alpha;
    };
    TLook Looks[256];
    for (int32_t Heat = 1; Heat <= 255; ++Heat) {
        const TFireColour C = FireColour(Heat);
        Looks[Heat] = {SDL_MapRGB(Screen->format, C.Red, C.Green, C.Blue), FireOpacity(Heat, Intensity)};
    }
    const TPixelBounds Clip = ClipBounds(Screen);

    // The columns and rows of the grid that are really there and land inside the clip.
    const int64_t Left = DisplayStart(F.Left), Top = DisplayStart(F.Top);
    const int64_t Columns = std::min<int64_t>(static_cast<int64_t>(F.Cells.size()), std::max(F.Columns, 0));
    const int64_t FirstColumn = std::max<int64_t>(0, Clip.Left - Left);
    const int64_t EndColumn = std::min<int64_t>(Columns, Clip.Right - Left);
    const int64_t FirstRow = std::max<int64_t>(0, Clip.Top - Top);
    const int64_t EndRow = std::min<int64_t>(std::max(F.Rows, 0), Clip.Bottom - Top);
    if (FirstColumn >= EndColumn || FirstRow >= EndRow) return;

    std::vector<const int32_t*> Column(static_cast<size_t>(EndColumn - FirstColumn));
    std::vector<int64_t> Height(Column.size());
    for (int64_t I = FirstColumn; I < EndColumn; ++I) {
        Column[static_cast<size_t>(I - FirstColumn)] = F.Cells[static_cast<size_t>(I)].data();
        Height[static_cast<size_t>(I - FirstColumn)] = static_cast<int64_t>(F.Cells[static_cast<size_t>(I)].size());
    }
    for (int64_t J = FirstRow; J < EndRow; ++J) {
        // Within the clip, so within int.
        auto* Row = reinterpret_cast<uint32_t*>(
            PixelAddress(Screen, static_cast<int>(Left + FirstColumn), static_cast<int>(Top + J)));
        for (size_t K = 0; K < Column.size(); ++K) {
            if (J >= Height[K]) continue;
            const int32_t Heat = Column[K][J];
            if (Heat <= 0) continue;
            const TLook& Look = Looks[std::min(Heat, 255)];
            // Heat above 255 is opaque rather than wrapped; below, the table's.
            const uint8_t Alpha = Heat <= 255 ? Look.Alpha : FireOpacity(Heat, Intensity);
            Row[K] = BlitBlend(Row[K], Look.Colour, Alpha);
        }
    }
}

} // namespace

void DrawFire(const TFireCell& F, uint8_t Intensity)
{
    if (Screen == nullptr) return;
    const SDL_Surface* Scratch = FireScratchImage();
    if (Scratch == nullptr) return;
    if (IsDisplayFormat(Screen->format) && IsDisplayFormat(Scratch->format) && !(Scratch->flags & SDL_SRCCOLORKEY)) {
        const TSurfaceLock Lock(Screen);
        if (Lock.Locked()) {
            BlendFire(F, Intensity);
            return;
        }
    }
    DrawFirePlain(F, Intensity);
}

void DrawFirePlain(const TFireCell& F, uint8_t Intensity)
{
    if (Screen == nullptr) return;
    SDL_Surface* const Scratch = FireScratchImage();
    if (Scratch == nullptr) return;
    const SDL_Rect Src = MakeRect(0, 0, 1, 1);
    const int64_t Left = DisplayStart(F.Left), Top = DisplayStart(F.Top);
    ForEachLitCell(F, [&](int32_t I, int32_t J, int32_t Heat) {
        const int64_t X = Left + I, Y = Top + J;
        if (!FitsBlitRect(X) || !FitsBlitRect(Y)) return;
        const TFireColour C = FireColour(Heat);
        {
            const TSurfaceLock Lock(Scratch); // given up before the blit
            if (Lock.Locked()) PutPixel(Scratch, SDL_MapRGB(Screen->format, C.Red, C.Green, C.Blue), false, 1, 1);
        }
        SDL_SetAlpha(Scratch, SDL_SRCALPHA | SDL_SRCCOLORKEY, FireOpacity(Heat, Intensity));
        BlitAt(Scratch, Src, Screen, ClipRect, static_cast<int>(X), static_cast<int>(Y), false);
    });
}
