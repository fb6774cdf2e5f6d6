#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "app/input.h"
#include "app/video.h"
#include "app/video_driver.h"
#include "draw/pixels.h"
#include "draw/surface.h"
#include "log/logger.h"
#include "support/environment.h"
#include "support/files.h"
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

// The starts of SDL: the first FailingStarts fail, the next FallingBack
// land on the dummy driver as SDL's own fall-back would; each records the
// driver it was asked for ("" for none).
int FailingStarts = 0;
int FallingBack = 0;
std::vector<std::string> AskedDrivers;
int PlayedStart(Uint32 Flags)
{
    const char* Asked = std::getenv("SDL_VIDEODRIVER");
    AskedDrivers.emplace_back(Asked != nullptr ? Asked : "");
    if (FailingStarts > 0) {
        --FailingStarts;
        SDL_SetError("start refused for the test");
        return -1;
    }
    if (FallingBack > 0) {
        --FallingBack;
        const TEnvironmentVariable Fallback("SDL_VIDEODRIVER", "dummy");
        return SDL_Init(Flags);
    }
    return SDL_Init(Flags);
}

// Both seams in place, nothing refused yet, no waiting between tries.
void PlayStartsAndModes()
{
    RetryPauseMs = 1;
    InitSdlFunction = PlayedStart;
    SetVideoModeFunction = RefuseSomeModes;
    FailingStarts = FallingBack = RefusingModes = 0;
    AskedDrivers.clear();
}

bool HasError(const std::vector<std::string>& Lines, const std::string& Message)
{
    for (const std::string& Line : Lines)
        if (Line.find("*** ERROR *** : @ ") == 0 &&
            Line.find("MSG : " + Message + " IN : Initialize\r") != std::string::npos)
            return true;
    return false;
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

TEST(Video, SwitchReopensOnTheFirstStartsDriverAndRidesOutFailures)
{
    THeadless Program; // started on the dummy driver the suite asks for
    PlayStartsAndModes();
    {
        // The user's own setting goes; the reopening still asks for "dummy".
        const TEnvironmentVariable NoSetting("SDL_VIDEODRIVER", nullptr);
        FailingStarts = StartAttempts - 1;
        ToggleFullScreen();
        EXPECT_EQ(std::getenv("SDL_VIDEODRIVER"), nullptr);
    }
    EXPECT_EQ(VideoFlags, static_cast<Uint32>(SDL_FULLSCREEN));
    ASSERT_NE(Screen, nullptr);
    EXPECT_EQ(RunningVideoDriver(), "dummy");
    EXPECT_EQ(AskedDrivers, std::vector<std::string>(StartAttempts, "dummy"));

    RefusingModes = StartAttempts - 1;
    ToggleFullScreen();
    EXPECT_EQ(VideoFlags, 0u);
    ASSERT_NE(Screen, nullptr);
    EXPECT_EQ(RefusingModes, 0);
    EXPECT_EQ(ReadLines(Program.LogPath()).size(), 1u); // retried, not failed
}

TEST(Video, SwitchThatCannotOpenTheNewModeKeepsTheOldOneAndSaysWhich)
{
    THeadless Program;
    PlayStartsAndModes();
    RefusingModes = StartAttempts;
    ToggleFullScreen();
    EXPECT_EQ(VideoFlags, 0u);
    ASSERT_NE(Screen, nullptr);
    ASSERT_NE(FontImage, nullptr);
    auto Lines = ReadLines(Program.LogPath());
    EXPECT_EQ(Lines.size(), 2u);
    EXPECT_TRUE(
        HasError(Lines, "Couldn't switch to full screen : Couldn't set 800x600 video mode : mode refused for the test"))
        << testing::PrintToString(Lines);

    FailingStarts = StartAttempts;
    ToggleFullScreen();
    EXPECT_EQ(VideoFlags, 0u);
    ASSERT_NE(Screen, nullptr);
    Lines = ReadLines(Program.LogPath());
    EXPECT_EQ(Lines.size(), 3u);
    EXPECT_TRUE(
        HasError(Lines, "Couldn't switch to full screen : Could not initialize SDL : start refused for the test"));

    RefusingModes = 2 * StartAttempts; // neither mode: the program cannot go on
    EXPECT_THROW(ToggleFullScreen(), TVideoLost);
    EXPECT_EQ(Screen, nullptr);
    EXPECT_EQ(SDL_WasInit(SDL_INIT_VIDEO), 0u);
    Lines = ReadLines(Program.LogPath());
    EXPECT_TRUE(
        HasError(Lines, "Couldn't reopen the window : Couldn't set 800x600 video mode : mode refused for the test"));
}

TEST(Video, StartOnADriverThatShowsNothingFailsUnlessTheUserAskedForIt)
{
    TTempFolder Folder;
    Log = std::make_unique<TLogger>((Folder.Path() / "kalmot").string(), "");
    PlayStartsAndModes();
    const TEnvironmentVariable NoSetting("SDL_VIDEODRIVER", nullptr);
    const TEnvironmentVariable NoWayland("WAYLAND_DISPLAY", nullptr);
    const std::string Expected =
        "Could not initialize SDL : no display (SDL fell back to its video driver \"dummy\", which shows nothing)";
    struct TCase {
        const char* Display;
        size_t Starts; // with no display named, a fall-back is not tried again
    };
    for (const TCase& Case : {TCase{":99", size_t(StartAttempts)}, TCase{nullptr, 1}}) {
        SCOPED_TRACE(Case.Display != nullptr ? Case.Display : "no DISPLAY");
        const TEnvironmentVariable Display("DISPLAY", Case.Display);
        FallingBack = 100;
        AskedDrivers.clear();
        testing::internal::CaptureStderr();
        EXPECT_FALSE(InitVideo(0));
        const std::string Errors = testing::internal::GetCapturedStderr();
        EXPECT_EQ(AskedDrivers.size(), Case.Starts);
        EXPECT_EQ(SDL_WasInit(SDL_INIT_VIDEO), 0u);
        EXPECT_EQ(Screen, nullptr);
        EXPECT_EQ(Errors.rfind("kalmot: " + Expected +
                                   ". There is no display: run it from a desktop session, or "
                                   "headless under xvfb-run ",
                               0),
                  0u)
            << Errors;
        EXPECT_NE(Errors.find(", or with SDL_VIDEODRIVER=dummy"), std::string::npos) << Errors;
        EXPECT_EQ(std::count(Errors.begin(), Errors.end(), '\n'), 1) << Errors;
    }
    Log.reset();
    EXPECT_TRUE(HasError(ReadLines(Folder.Path() / "kalmot.log"), Expected));

    // Named by the user, the dummy driver is what was wanted.
    const TEnvironmentVariable Dummy("SDL_VIDEODRIVER", "dummy");
    FallingBack = 0;
    EXPECT_TRUE(InitVideo(0));
    EXPECT_EQ(RunningVideoDriver(), "dummy");
    CloseVideo();
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
