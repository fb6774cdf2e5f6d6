// Which folder the images are read from.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "app/data_folder.h"
#include "app/video.h"
#include "log/logger.h"
#include "support/files.h"

namespace fs = std::filesystem;

namespace {

const std::vector<std::string> Names = {"mouse.bmp", "font.bmp"};

void MakeImages(const fs::path& Folder, const std::vector<std::string>& Files)
{
    fs::create_directories(Folder);
    for (const std::string& File : Files) std::ofstream(Folder / File) << "BM";
}

} // namespace

TEST(ImageFolderCandidates, WorkingFolderThenBesideTheExecutableThenInstalled)
{
    const auto Candidates = ImageFolderCandidates("/opt/kalmot/bin/kalmot", "/usr/local/share/kalmot/images");
    const std::vector<std::string> Expected = {
        "data/images",
        "/opt/kalmot/bin/data/images",
        "/opt/kalmot/data/images",
        "/opt/kalmot/share/kalmot/images",
        "/usr/local/share/kalmot/images",
    };
    EXPECT_EQ(Candidates, Expected);
    EXPECT_EQ(ImageFolderCandidates("/opt/kalmot/bin/kalmot", "").size(), 4u) << "no install folder, no fifth place";
}

TEST(ImageFolderCandidates, OneFolderReachedTwoWaysIsTriedOnce)
{
    // An installed tree at its build-time prefix: the relative and the fixed path meet.
    auto Candidates = ImageFolderCandidates("/usr/bin/kalmot", "/usr/share/kalmot/images");
    EXPECT_EQ(Candidates.size(), 4u);
    EXPECT_EQ(Candidates.back(), "/usr/share/kalmot/images");

    // Run from the source folder as build/kalmot: ../data/images is the working folder's.
    const fs::path Here = fs::current_path();
    Candidates = ImageFolderCandidates((Here / "build" / "kalmot").string(), "");
    EXPECT_EQ(Candidates, (std::vector<std::string>{"data/images", (Here / "build" / "data" / "images").string(),
                                                     (Here / "share" / "kalmot" / "images").string()}));
}

TEST(ChooseImageFolder, TheFirstFolderHoldingEverySheetWins)
{
    TTempFolder Folder;
    const fs::path Partial = Folder.Path() / "partial";
    const fs::path Whole = Folder.Path() / "whole";
    const fs::path AlsoWhole = Folder.Path() / "also";
    MakeImages(Partial, {"mouse.bmp"});
    MakeImages(Whole, Names);
    MakeImages(AlsoWhole, Names);
    ASSERT_TRUE(ChooseImageFolder({(Folder.Path() / "none").string(), Partial.string(), Whole.string(),
                                   AlsoWhole.string()},
                                  Names));
    EXPECT_EQ(ImageFolder, Whole.string());
    EXPECT_EQ(ImagePath("font.bmp"), (Whole / "font.bmp").string());
    ImageFolder = "data/images";
}

TEST(MissingFrom, SaysWhatAFolderLacks)
{
    TTempFolder Folder;
    EXPECT_EQ(MissingFrom((Folder.Path() / "none").string(), Names), "no such folder");
    MakeImages(Folder.Path(), {"mouse.bmp"});
    EXPECT_EQ(MissingFrom(Folder.Path().string(), Names), "no font.bmp");
    MakeImages(Folder.Path(), {"font.bmp"});
    EXPECT_EQ(MissingFrom(Folder.Path().string(), Names), "");
}

TEST(ChooseImageFolder, NoCompleteFolderIsAnErrorNamingEveryFolderTried)
{
    TTempFolder Folder;
    Log = std::make_unique<TLogger>((Folder.Path() / "kalmot").string(), "");
    MakeImages(Folder.Path() / "partial", {"font.bmp"});
    const std::string Partial = (Folder.Path() / "partial").string();
    const std::string Absent = (Folder.Path() / "absent").string();

    testing::internal::CaptureStderr();
    EXPECT_FALSE(ChooseImageFolder({Partial, Absent}, Names));
    const std::string Errors = testing::internal::GetCapturedStderr();
    Log.reset();

    const std::string Expected =
        "Couldn't find the images in any of: " + Partial + " (no mouse.bmp), " + Absent + " (no such folder)";
    EXPECT_EQ(Errors, "kalmot: " + Expected + "\n");
    const std::string Written = ReadFile(Folder.Path() / "kalmot.log");
    EXPECT_NE(Written.find("MSG : " + Expected + " IN : Initialize\r\n"), std::string::npos) << Written;
    EXPECT_EQ(ImageFolder, "data/images") << "a failed search chooses nothing";
}

TEST(ImageFileNames, NamesEachLoadedSheetOnce)
{
    const auto Sheets = ImageFileNames();
    EXPECT_EQ(Sheets.size(), 10u);
    EXPECT_EQ(Sheets.front(), "mouse.bmp");
    EXPECT_EQ(std::count(Sheets.begin(), Sheets.end(), "empty.bmp"), 1);
    // The committed folder holds them all.
    EXPECT_EQ(MissingFrom("data/images", Sheets), "");
}
