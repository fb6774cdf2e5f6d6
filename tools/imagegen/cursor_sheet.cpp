#include <array>
#include <string_view>

#include "sheets.h"

namespace {

// '#' outline, '.' fill, ' ' transparent. The tip is the top-left pixel
// because the program puts the image's corner at the pointer's position.
constexpr std::array<std::string_view, 19> Arrow = {
    "#           ",
    "##          ",
    "#.#         ",
    "#..#        ",
    "#...#       ",
    "#....#      ",
    "#.....#     ",
    "#......#    ",
    "#.......#   ",
    "#........#  ",
    "#.........# ",
    "#......#####",
    "#...#..#    ",
    "#..##..#    ",
    "#.#  #..#   ",
    "##   #..#   ",
    "#     #..#  ",
    "      #..#  ",
    "       ##   ",
};

constexpr TColour ArrowOutline{0, 0, 0};
constexpr TColour ArrowFill{255, 255, 255};

} // namespace

TCanvas MakeCursorSheet()
{
    TCanvas Sheet(static_cast<int>(Arrow[0].size()), static_cast<int>(Arrow.size()));
    for (int Y = 0; Y < Sheet.Height(); ++Y)
        for (int X = 0; X < Sheet.Width(); ++X) {
            const char Cell = Arrow[static_cast<size_t>(Y)][static_cast<size_t>(X)];
            if (Cell == '#') Sheet.Set(X, Y, ArrowOutline);
            if (Cell == '.') Sheet.Set(X, Y, ArrowFill);
        }
    return Sheet;
}
