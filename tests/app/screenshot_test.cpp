// Screenshots as files: the display's pixels exactly, read back with libpng;
// names that never replace a file; the pictures folder; a clear failure.
#include <gtest/gtest.h>

#include <fstream>
#include <random>

#include "app/screenshot.h"
#include "app/screenshot_file.h"
#include "draw/display.h"
#include "support/environment.h"
#include "support/headless.h"
#include "support/png_read.h"

namespace {

std::tm At(int Hour, int Minute, int Second)
{
    std::tm Time{};
    Time.tm_year = 2026 - 1900;
    Time.tm_mon = 11;
    Time.tm_mday = 8;
    Time.tm_hour = Hour;
    Time.tm_min = Minute;
    Time.tm_sec = Second;
    return Time;
}

void WriteText(const std::filesystem::path& Path, const std::string& Text) { std::ofstream(Path) << Text; }

} // namespace

TEST(Screenshot, TheFileHoldsTheDisplaysPixelsExactly)
{
    THeadless Program;
    std::mt19937 Random(20);
    for (int Y = 0; Y < DisplayHeight; ++Y)
        for (int X = 0; X < DisplayWidth; ++X) {
            SDL_Rect Pixel = {static_cast<Sint16>(X), static_cast<Sint16>(Y), 1, 1};
            SDL_FillRect(Screen, &Pixel, MapColour(Random() & 255, Random() & 255, Random() & 255));
        }
    TTempFolder Folder;
    const std::filesystem::path Path = SaveScreenshot(CaptureScreenshot(), Folder.Path(), At(1, 30, 5));
    EXPECT_EQ(Path, Folder.Path() / "kalmot-2026-12-08-013005.png");

    const TPngPicture Read = ReadPng(Path);
    ASSERT_EQ(Read.Width, DisplayWidth);
    ASSERT_EQ(Read.Height, DisplayHeight);
    size_t Different = 0;
    for (int Y = 0; Y < DisplayHeight; ++Y)
        for (int X = 0; X < DisplayWidth; ++X) {
            const uint8_t* P = &Read.Rgb[3 * (static_cast<size_t>(Y) * DisplayWidth + X)];
            Different += DisplayColour(X, Y) != TRgb{P[0], P[1], P[2]};
        }
    EXPECT_EQ(Different, 0u);
    EXPECT_NE(ReadFile(Program.LogPath()).find("MSG : Screenshot saved: " + Path.string() + " IN : Screenshot"),
              std::string::npos);
}

TEST(Screenshot, ATakenNameGetsTheNextNumberAndNoFileIsReplaced)
{
    THeadless Program;
    TTempFolder Folder;
    const std::tm Time = At(23, 5, 59);
    EXPECT_EQ(ScreenshotFileName(Time, 1), "kalmot-2026-12-08-230559.png");
    WriteText(Folder.Path() / ScreenshotFileName(Time, 1), "first");
    WriteText(Folder.Path() / ScreenshotFileName(Time, 2), "second");
    const std::filesystem::path Path = SaveScreenshot(CaptureScreenshot(), Folder.Path(), Time);
    EXPECT_EQ(Path, Folder.Path() / "kalmot-2026-12-08-230559-3.png");
    EXPECT_EQ(ReadPng(Path).Width, DisplayWidth);
    EXPECT_EQ(ReadFile(Folder.Path() / "kalmot-2026-12-08-230559.png"), "first");
    EXPECT_EQ(ReadFile(Folder.Path() / "kalmot-2026-12-08-230559-2.png"), "second");
}

TEST(Screenshot, AFolderThatCannotTakeItGetsAnErrorLineAndNoFile)
{
    THeadless Program;
    TTempFolder Folder;
    WriteText(Folder.Path() / "file", "not a folder");
    const std::filesystem::path Inside = Folder.Path() / "file";
    EXPECT_TRUE(SaveScreenshot(CaptureScreenshot(), Inside, At(8, 0, 0)).empty());
    const std::string Log = ReadFile(Program.LogPath());
    EXPECT_NE(Log.find("*** ERROR *** : @ "), std::string::npos) << Log;
    EXPECT_NE(Log.find("MSG : Couldn't save the screenshot " + (Inside / "kalmot-2026-12-08-080000.png").string() +
                       " : Not a directory IN : Screenshot"),
              std::string::npos)
        << Log;
    EXPECT_EQ(ReadFile(Inside), "not a folder");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Folder.Path()), {}), 1);
}

TEST(Screenshot, ThePicturesFolderIsXdgsThenPicturesInHomeThenTheWorkingFolder)
{
    TTempFolder Home;
    const TEnvironmentVariable HomeVariable("HOME", Home.Path().c_str());
    const TEnvironmentVariable Config("XDG_CONFIG_HOME", (Home.Path() / "config").c_str());
    const TEnvironmentVariable Pictures("XDG_PICTURES_DIR", nullptr);
    EXPECT_EQ(PicturesFolder(), std::filesystem::current_path()) << "nothing set, no ~/Pictures";

    std::filesystem::create_directories(Home.Path() / "Pictures");
    EXPECT_EQ(PicturesFolder(), Home.Path() / "Pictures") << "xdg-user-dir reports the home folder when none is set";

    std::filesystem::create_directories(Home.Path() / "config");
    WriteText(Home.Path() / "config" / "user-dirs.dirs", "XDG_PICTURES_DIR=\"$HOME/Obrazy\"\n");
    EXPECT_EQ(PicturesFolder(), Home.Path() / "Pictures") << "set, but no such folder";
    std::filesystem::create_directories(Home.Path() / "Obrazy");
    EXPECT_EQ(PicturesFolder(), Home.Path() / "Obrazy");
}
