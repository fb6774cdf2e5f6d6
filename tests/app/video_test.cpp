#include <gtest/gtest.h>

#include <set>

#include "app/input.h"
#include "app/video.h"
#include "draw/pixels.h"
#include "draw/surface.h"
#include "log/logger.h"
#include "support/headless.h"

namespace {

bool IsKeyedMagenta(const SDL_Surface* Image)
{
    if (!(Image->flags & SDL_SRCCOLORKEY)) return false;
    Uint8 R, G, B;
    SDL_GetRGB(Image->format->colorkey, Image->format, &R, &G, &B);
    return R == 255 && G == 0 && B == 255;
}

int RefusingModes = 0;
SDL_Surface* RefuseSomeModes(int Width, int Height, int Bits, Uint32 Flags)
{
    if (RefusingModes > 0) {
        --RefusingModes;
        SDL_SetError("mode refused for the test");
        return nullptr;
    }
    return SDL_SetVideoMode(Width, Height, Bits, Flags);
}

} // namespace

TEST(Video, OpensTheDisplayAndKeysTheImages)
{
    THeadless Program;
    ASSERT_NE(Screen, nullptr);
    EXPECT_EQ(Screen->w, 800);
    EXPECT_EQ(Screen->h, 600);
    EXPECT_EQ(Screen->format->BitsPerPixel, 32);
    char* Title = nullptr;
    SDL_WM_GetCaption(&Title, nullptr);
    EXPECT_STREQ(Title, "Kalmot");
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);

    for (SDL_Surface* Sheet : {MouseImage, FontImage, ButtonImage, CheckImage, RadioImage, WindowImage, EditImage,
                               SpinImage, ProgressImage})
        EXPECT_TRUE(IsKeyedMagenta(Sheet));
    EXPECT_FALSE(EmptyImage->flags & SDL_SRCCOLORKEY);
    EXPECT_NE(EmptyImage, EmptyImage2);
    // The images read or written pixel by pixel have 4-byte display pixels.
    for (SDL_Surface* Image : {MouseImage, FontImage, EmptyImage, EmptyImage2}) {
        EXPECT_EQ(Image->format->BytesPerPixel, 4);
        EXPECT_EQ(Image->format->Rmask, Screen->format->Rmask);
    }
}

TEST(Video, FullScreenTwiceComesBackToTheWindow)
{
    THeadless Program;
    ToggleFullScreen();
    EXPECT_EQ(VideoFlags, static_cast<Uint32>(SDL_FULLSCREEN));
    ASSERT_NE(Screen, nullptr);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);
    ToggleFullScreen();
    EXPECT_EQ(VideoFlags, 0u);
    EXPECT_EQ(Screen->w, 800);
    EXPECT_TRUE(IsKeyedMagenta(ButtonImage));
    EXPECT_EQ(ReadLines(Program.LogPath()).size(), 1u); // no error on the way
}

TEST(Video, RefusedModeLogsAndFallsBackToTheWorkingMode)
{
    THeadless Program;
    SetVideoModeFunction = RefuseSomeModes;
    RefusingModes = 1;
    ToggleFullScreen();
    EXPECT_EQ(VideoFlags, 0u);
    ASSERT_NE(Screen, nullptr);
    ASSERT_NE(FontImage, nullptr);
    const auto Lines = ReadLines(Program.LogPath());
    ASSERT_EQ(Lines.size(), 2u);
    EXPECT_NE(Lines[1].find("*** ERROR *** : @ "), std::string::npos);
    EXPECT_NE(Lines[1].find("MSG : Couldn't set 800x600 video mode : mode refused for the test IN : Initialize"),
              std::string::npos)
        << Lines[1];

    RefusingModes = 2; // neither mode: the program cannot go on
    EXPECT_THROW(ToggleFullScreen(), TVideoLost);
    EXPECT_EQ(Screen, nullptr);
    SetVideoModeFunction = SDL_SetVideoMode;
}

TEST(Video, CursorHasTwoGreyShadowsAndClipsAtTheCorner)
{
    THeadless Program;
    MouseX = -100;
    MouseY = -100;
    ClearScreen();
    DrawCursor();

    // The cursor's ink sits with its top-left pixel on the pointer (300, 200);
    // the shadows, one-based silhouettes of it, land 2 and 1 pixels lower right.
    std::set<std::pair<int, int>> Ink, Shadow;
    SDL_LockSurface(MouseImage);
    const Uint32 Key = MouseImage->format->colorkey;
    for (int X = 0; X < MouseImage->w; ++X)
        for (int Y = 0; Y < MouseImage->h; ++Y) {
            if (GetPixel(MouseImage, X, Y) == Key) continue;
            Ink.insert({300 + X, 200 + Y});
            if (X >= 1 && Y >= 1) {
                Shadow.insert({302 + X, 202 + Y});
                Shadow.insert({301 + X, 201 + Y});
            }
        }
    SDL_UnlockSurface(MouseImage);
    ASSERT_FALSE(Ink.empty());
    int ShadowOnly = 0;
    for (int X = 290; X < 300 + MouseImage->w + 10; ++X)
        for (int Y = 190; Y < 200 + MouseImage->h + 10; ++Y) {
            if (Ink.count({X, Y})) continue;
            const TRgb C = DisplayColour(X, Y);
            if (!Shadow.count({X, Y})) {
                EXPECT_EQ(C, (TRgb{0, 0, 0})) << X << "," << Y;
                continue;
            }
            ++ShadowOnly;
            EXPECT_EQ(C.R, C.G) << X << "," << Y;
            EXPECT_EQ(C.G, C.B) << X << "," << Y;
            EXPECT_GT(C.R, 0) << X << "," << Y;
            EXPECT_LE(C.R, 128) << X << "," << Y;
        }
    EXPECT_GT(ShadowOnly, 0);

    MouseX = 399;
    MouseY = 299;
    DrawCursor(); // nothing to see beyond the corner, nothing to break either
}

TEST(Video, CursorDrawnOverManyFramesReadsOnlyValidPixels)
{
    // SDL may keep a blitted, RLE-accelerated cursor in encoded form only;
    // the shadows must still read real pixels (AddressSanitizer watches).
    THeadless Program;
    std::vector<Uint32> First;
    for (int Frame = 0; Frame < 200; ++Frame) {
        MouseX = 10;
        MouseY = 20;
        ClearScreen();
        DrawCursor();
        SDL_Flip(Screen);
        if (Frame == 0) First = CaptureDisplay();
    }
    EXPECT_EQ(CaptureDisplay(), First);
}
