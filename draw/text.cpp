#include "draw/text.h"

#include "draw/display.h"
#include "draw/pixels.h"
#include "draw/surface.h"

// Letters, digits with 0 last, punctuation, then the Polish letters and the
// pilcrow in Windows-1250: ąćęłńóśźżĄĆĘŁŃÓŚŹŻ¶.
const std::string_view FontCharset =
    "abcdefghijklmnopqrstuvwxyz"
    "ABCDEFGHIJKLMNOPQRSTUVWXYZ"
    "1234567890"
    "`~!@#$%^&*()-=_+[]{};\\:\"|,./<>?"
    "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF\xB6";

namespace {

constexpr int CellWidth = 8;
constexpr int CellHeight = 16;

} // namespace

void DrawText(int X, int Y, Uint32 Colour, const std::string& Text, bool Centred, Uint8 Style)
{
    SDL_Rect Glyph = MakeRect(0, Style == 1 ? CellHeight : 0, CellWidth, CellHeight);
    SDL_Rect Pen = MakeRect(X, Y, 0, 0);
    for (const char Character : Text) {
        const size_t Index = FontCharset.find(Character);
        if (Index != std::string_view::npos) {
            Glyph.x = static_cast<Sint16>(CellWidth * (Index + 1));
            BlitColoured(FontImage, Glyph, Screen, Pen, Colour, 0, 0, Centred);
        }
        Pen.x = static_cast<Sint16>(Pen.x + CellWidth);
    }
}
