// The committed images under data/images: sizes, depth, and that every
// cell the program reads is where it looks for it, keyed where it must be
// transparent and opaque where it is stretched.

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <utility>

#include "draw/text.h"
#include "support/colour.h"

namespace {

struct TRect {
    int X, Y, W, H;
};

// Black text goes on faces brighter than this; white text on bars darker.
constexpr double LightFace = 170;
constexpr double DarkBar = 150;

double Luminance(TRgb C) { return 0.299 * C.R + 0.587 * C.G + 0.114 * C.B; }

class TSheet {
public:
    explicit TSheet(const std::string& FileName)
        : Name(FileName), Surface(SDL_LoadBMP(("data/images/" + FileName).c_str()), SDL_FreeSurface)
    {
    }

    bool Loaded() const { return Surface != nullptr; }
    int Width() const { return Surface->w; }
    int Height() const { return Surface->h; }
    int Bits() const { return Surface->format->BitsPerPixel; }

    TRgb At(int X, int Y) const { return SurfaceColour(Surface.get(), X, Y); }

    bool IsKey(int X, int Y) const { return At(X, Y) == TRgb{255, 0, 255}; }

    // "button.bmp (3, 4)", for failure messages.
    std::string Where(int X, int Y) const { return Name + " (" + std::to_string(X) + ", " + std::to_string(Y) + ")"; }

    int DarkCount(TRect Area, double Below) const
    {
        int Count = 0;
        for (int Y = Area.Y; Y < Area.Y + Area.H; ++Y)
            for (int X = Area.X; X < Area.X + Area.W; ++X) Count += Luminance(At(X, Y)) < Below ? 1 : 0;
        return Count;
    }

    bool SameRegion(TRect A, TRect B) const
    {
        for (int Y = 0; Y < A.H; ++Y)
            for (int X = 0; X < A.W; ++X)
                if (!(At(A.X + X, A.Y + Y) == At(B.X + X, B.Y + Y))) return false;
        return true;
    }

    int KeyCount(TRect Area) const
    {
        int Count = 0;
        for (int Y = Area.Y; Y < Area.Y + Area.H; ++Y)
            for (int X = Area.X; X < Area.X + Area.W; ++X) Count += IsKey(X, Y) ? 1 : 0;
        return Count;
    }

    std::string Name;

private:
    std::unique_ptr<SDL_Surface, void (*)(SDL_Surface*)> Surface;
};

// Loads a sheet and stops the test when it is missing or has the wrong shape.
#define LOAD_SHEET(Var, File, W, H)                                                                                  \
    const TSheet Var(File);                                                                                          \
    ASSERT_TRUE(Var.Loaded()) << "cannot load data/images/" << File << ": " << SDL_GetError();                       \
    ASSERT_EQ(Var.Width(), W) << File;                                                                               \
    ASSERT_EQ(Var.Height(), H) << File;                                                                              \
    ASSERT_EQ(Var.Bits(), 24) << File << " must be a 24-bit BMP"

void ExpectOpaque(const TSheet& Sheet, TRect Piece, const char* What)
{
    for (int Y = Piece.Y; Y < Piece.Y + Piece.H; ++Y)
        for (int X = Piece.X; X < Piece.X + Piece.W; ++X)
            EXPECT_FALSE(Sheet.IsKey(X, Y)) << What << " is transparent at " << Sheet.Where(X, Y);
}

void ExpectKey(const TSheet& Sheet, int X, int Y, const char* What)
{
    EXPECT_TRUE(Sheet.IsKey(X, Y)) << What << " should be transparent at " << Sheet.Where(X, Y);
}

// Nine-slice of a 7x7 button block whose top-left is at row Top.
void ExpectButtonBlock(const TSheet& Sheet, int Top, const char* Block)
{
    SCOPED_TRACE(Block);
    ExpectOpaque(Sheet, {3, Top, 1, 3}, "top edge");
    ExpectOpaque(Sheet, {3, Top + 4, 1, 3}, "bottom edge");
    ExpectOpaque(Sheet, {0, Top + 3, 3, 1}, "left edge");
    ExpectOpaque(Sheet, {4, Top + 3, 3, 1}, "right edge");
    ExpectOpaque(Sheet, {3, Top + 3, 1, 1}, "centre");
    for (const auto& [X, Y] : {std::pair{0, 0}, {6, 0}, {0, 6}, {6, 6}})
        ExpectKey(Sheet, X, Top + Y, "rounded corner");
    EXPECT_GT(Luminance(Sheet.At(3, Top + 3)), LightFace)
        << "caption is black: face too dark at " << Sheet.Where(3, Top + 3);
}

} // namespace

TEST(ImageFiles, EmptySurfaceHasAPixel)
{
    const TSheet Empty("empty.bmp");
    ASSERT_TRUE(Empty.Loaded()) << SDL_GetError();
    EXPECT_GE(Empty.Width(), 1);
    EXPECT_GE(Empty.Height(), 1);
}

TEST(CursorImage, TipIsTheHotSpotOnAKeyedBackground)
{
    const TSheet Cursor("mouse.bmp");
    ASSERT_TRUE(Cursor.Loaded()) << SDL_GetError();
    ASSERT_EQ(Cursor.Bits(), 24);
    EXPECT_FALSE(Cursor.IsKey(0, 0)) << "the hot spot is the top-left pixel: the arrow's tip must be there";
    ExpectKey(Cursor, Cursor.Width() - 1, 0, "the corner beside the arrow");
    // Seen on dark and on light screens alike: a dark outline and a light fill.
    bool Dark = false, Light = false;
    for (int Y = 0; Y < Cursor.Height(); ++Y)
        for (int X = 0; X < Cursor.Width(); ++X)
            if (!Cursor.IsKey(X, Y)) {
                Dark = Dark || Luminance(Cursor.At(X, Y)) < 64;
                Light = Light || Luminance(Cursor.At(X, Y)) > 192;
            }
    EXPECT_TRUE(Dark && Light) << "the arrow needs both a dark and a light part";
}

TEST(FontImage, EveryCharacterHasItsOwnGlyphInBothStyles)
{
    constexpr int Cells = 112;
    ASSERT_EQ(FontCharset.size(), static_cast<size_t>(Cells));
    LOAD_SHEET(Font, "font.bmp", 8 * (Cells + 1), 32);
    EXPECT_EQ(Font.KeyCount({0, 0, 8, 32}), 8 * 32) << "the strip x 0..7 holds no character";

    const auto Name = [](int P) {
        char Text[48];
        std::snprintf(Text, sizeof Text, "position %d (byte 0x%02X)", P,
                      static_cast<unsigned char>(FontCharset[P - 1]));
        return std::string(Text);
    };
    for (int Style = 0; Style < 2; ++Style) {
        const int Top = 16 * Style;
        for (int P = 1; P <= Cells; ++P) {
            EXPECT_LT(Font.KeyCount({8 * P, Top, 8, 16}), 8 * 16)
                << "style " << Style << ", " << Name(P) << " is empty";
            for (int Q = 1; Q < P; ++Q)
                EXPECT_FALSE(Font.SameRegion({8 * P, Top, 8, 16}, {8 * Q, Top, 8, 16}))
                    << "style " << Style << ": " << Name(P) << " looks the same as " << Name(Q);
        }
    }
    // Window titles use the second row; it must be the bold face, not a copy.
    for (int P = 1; P <= 52; ++P)
        EXPECT_FALSE(Font.SameRegion({8 * P, 0, 8, 16}, {8 * P, 16, 8, 16})) << Name(P) << " is not bold";
}

TEST(ButtonImage, BothBlocksStretchAndThePressedOneDiffers)
{
    LOAD_SHEET(Button, "button.bmp", 7, 14);
    ExpectButtonBlock(Button, 0, "normal block");
    ExpectButtonBlock(Button, 7, "pressed block");
    EXPECT_FALSE(Button.SameRegion({0, 0, 7, 7}, {0, 7, 7, 7})) << "an armed button must look pressed";
}

class BoxImage : public testing::TestWithParam<const char*> {};

TEST_P(BoxImage, SixCellsShowHoverPressAndCheck)
{
    LOAD_SHEET(Box, GetParam(), 39, 26);
    for (int Column = 0; Column < 3; ++Column)
        for (int Row = 0; Row < 2; ++Row) {
            const int X = 13 * Column, Y = 13 * Row;
            SCOPED_TRACE(Box.Where(X, Y) + " cell");
            ExpectOpaque(Box, {X + 3, Y + 3, 7, 7}, "the box's inside");
            ExpectKey(Box, X, Y, "the box's top-left corner");
            ExpectKey(Box, X + 12, Y + 12, "the box's bottom-right corner");
        }
    for (int Column = 0; Column < 3; ++Column) {
        const int X = 13 * Column;
        EXPECT_FALSE(Box.SameRegion({X, 0, 13, 13}, {X, 13, 13, 13}))
            << "checked looks unchecked at " << Box.Where(X, 0);
        EXPECT_EQ(Box.DarkCount({X + 3, 3, 7, 7}, 96), 0) << "an unchecked box is empty at " << Box.Where(X, 0);
        EXPECT_GE(Box.DarkCount({X + 3, 16, 7, 7}, 96), 4) << "no dark check mark at " << Box.Where(X, 13);
    }
    for (int Row = 0; Row < 2; ++Row) {
        EXPECT_FALSE(Box.SameRegion({0, 13 * Row, 13, 13}, {13, 13 * Row, 13, 13})) << "hover looks idle";
        EXPECT_FALSE(Box.SameRegion({13, 13 * Row, 13, 13}, {26, 13 * Row, 13, 13})) << "pressed looks like hover";
    }
}

INSTANTIATE_TEST_SUITE_P(CheckAndRadio, BoxImage, testing::Values("check.bmp", "radio.bmp"));

TEST(WindowImage, FrameStretchesAndTitleBarCarriesWhiteText)
{
    LOAD_SHEET(Window, "window.bmp", 35, 27);
    ExpectOpaque(Window, {6, 0, 1, 23}, "title middle");
    ExpectOpaque(Window, {0, 23, 6, 1}, "left side");
    ExpectOpaque(Window, {6, 23, 1, 1}, "body");
    ExpectOpaque(Window, {7, 23, 28, 1}, "right side");
    ExpectOpaque(Window, {6, 24, 1, 3}, "bottom edge");
    ExpectKey(Window, 0, 0, "title bar's rounded left corner");
    ExpectKey(Window, 34, 0, "title bar's rounded right corner");
    // The title's glyph cell covers rows 3..18 of the bar.
    for (int Y = 3; Y <= 18; ++Y)
        EXPECT_LT(Luminance(Window.At(6, Y)), DarkBar)
            << "white title text needs a dark bar at " << Window.Where(6, Y);
    EXPECT_GT(Luminance(Window.At(6, 23)), LightFace) << "labels are black: the body must be light";
}

TEST(WindowImage, RollUpBoxLiesInItsHotRectangle)
{
    LOAD_SHEET(Window, "window.bmp", 35, 27);
    // The right end is drawn 28 pixels left of the window's right edge and the
    // hot rectangle runs from 30 to 7 pixels left of it, rows 3..20: sheet
    // columns 5..28. Anything in the right end that is not plain title bar
    // (the middle column's colour at that row) is the box and must lie there.
    int BoxPixels = 0;
    for (int Y = 1; Y < 22; ++Y)
        for (int X = 7; X <= 31; ++X) {
            if (Window.At(X, Y) == Window.At(6, Y)) continue;
            ++BoxPixels;
            EXPECT_TRUE(X >= 5 && X <= 28 && Y >= 3 && Y <= 20)
                << "roll-up box art outside its hot rectangle at " << Window.Where(X, Y);
        }
    EXPECT_GT(BoxPixels, 100) << "the title bar's right end shows no roll-up box";
}

TEST(EditImage, FieldStretchesAndSelectionShows)
{
    LOAD_SHEET(Edit, "edit.bmp", 8, 22);
    ExpectOpaque(Edit, {3, 0, 2, 22}, "middle");
    ExpectOpaque(Edit, {7, 0, 1, 22}, "selection column");
    // The middle is drawn at every pixel and the right cap starts on its
    // second column, so both columns must be alike.
    EXPECT_TRUE(Edit.SameRegion({3, 0, 1, 22}, {4, 0, 1, 22})) << "the middle's two columns differ";
    EXPECT_GT(Luminance(Edit.At(3, 10)), LightFace) << "edit text is black: field too dark";
    const TRgb Selection = Edit.At(7, 10);
    EXPECT_GT(std::max({Selection.R, Selection.G, Selection.B}) - std::min({Selection.R, Selection.G, Selection.B}),
              100)
        << "the selection is shown at half opacity and must be a strong colour";
}

TEST(SpinImage, ArrowsShowHoverAndPress)
{
    LOAD_SHEET(Spin, "spin.bmp", 45, 22);
    for (int Row = 0; Row < 2; ++Row) {
        for (int Column = 0; Column < 3; ++Column) {
            const int X = 15 * Column, Y = 11 * Row;
            ExpectOpaque(Spin, {X + 3, Y + 3, 9, 5}, "arrow face");
            EXPECT_GE(Spin.DarkCount({X, Y, 15, 11}, 96), 6) << "no arrow mark in the cell at " << Spin.Where(X, Y);
        }
        EXPECT_FALSE(Spin.SameRegion({0, 11 * Row, 15, 11}, {15, 11 * Row, 15, 11})) << "hover looks idle";
        EXPECT_FALSE(Spin.SameRegion({15, 11 * Row, 15, 11}, {30, 11 * Row, 15, 11})) << "pressed looks like hover";
    }
    EXPECT_FALSE(Spin.SameRegion({0, 0, 15, 11}, {0, 11, 15, 11})) << "up and down arrows look the same";
}

TEST(ProgressImage, TroughStretchesAndFullBarKeepsItsFrame)
{
    LOAD_SHEET(Progress, "progress.bmp", 17, 17);
    ExpectOpaque(Progress, {4, 0, 1, 17}, "middle");
    ExpectOpaque(Progress, {9, 0, 8, 17}, "fill block");
    for (const auto& [X, Y] : {std::pair{0, 0}, {0, 16}, {8, 0}, {8, 16}})
        ExpectKey(Progress, X, Y, "rounded corner");
    // A full bar's last block covers the right cap's first column, and every
    // block covers the frame's top and bottom rows: those must match the trough.
    for (int X = 9; X < 17; ++X)
        for (const int Y : {0, 16})
            EXPECT_EQ(Progress.At(X, Y), Progress.At(4, Y))
                << "fill block breaks the frame at " << Progress.Where(X, Y);
    EXPECT_FALSE(Progress.SameRegion({4, 0, 1, 17}, {13, 0, 1, 17})) << "the fill looks like the empty trough";
}
