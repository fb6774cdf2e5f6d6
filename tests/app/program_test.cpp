// The built program run as a process: its log, its exit codes, and its
// start-up failures.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>

#include "support/process.h"

namespace fs = std::filesystem;

namespace {

const fs::path Executable = KALMOT_EXECUTABLE;
const fs::path Images = fs::path(KALMOT_SOURCE_DIR) / "data" / "images";

// A copy of the program in a folder of its own, with the images beside it.
struct TInstalledCopy {
    TTempFolder Folder;
    fs::path Exe = Folder.Path() / "kalmot";
    fs::path LogFile = Folder.Path() / "kalmot.log";

    TInstalledCopy()
    {
        fs::copy_file(Executable, Exe);
        fs::create_directories(Folder.Path() / "data");
        fs::copy(Images, Folder.Path() / "data" / "images", fs::copy_options::recursive);
    }
    fs::path Image(const std::string& Name) const { return Folder.Path() / "data" / "images" / Name; }
};

std::vector<std::string> LogLines(const fs::path& Path)
{
    std::vector<std::string> Lines;
    std::ifstream File(Path, std::ios::binary);
    for (std::string Line; std::getline(File, Line);) Lines.push_back(Line);
    return Lines;
}

bool IsStatus(const std::string& Line, const std::string& Message, const std::string& Section)
{
    return std::regex_match(Line, std::regex(R"(STATUS INFO : @ \d\d:\d\d:\d\d MSG : )" + Message + " IN : " +
                                             Section + "\r"));
}

} // namespace

TEST(Program, NormalRunLeavesExactlyTheTwoStatusLines)
{
    TInstalledCopy Copy;
    for (int Run = 0; Run < 2; ++Run) { // the second run's log replaces the first's
        const TProcessResult Result = RunProgram(Copy.Exe, Copy.Folder.Path(), true);
        EXPECT_EQ(Result.ExitCode, 0) << Result.Errors;
        const auto Lines = LogLines(Copy.LogFile);
        ASSERT_EQ(Lines.size(), 2u);
        EXPECT_TRUE(IsStatus(Lines[0], "Starting Application", "Initialization")) << Lines[0];
        EXPECT_TRUE(IsStatus(Lines[1], "Terminating Application", "Finalization")) << Lines[1];
    }
}

TEST(Program, LogsBesideTheExecutableWhateverTheWorkingDirectory)
{
    TInstalledCopy Copy;
    TTempFolder Elsewhere;
    fs::create_directories(Elsewhere.Path() / "data");
    fs::create_directory_symlink(Images, Elsewhere.Path() / "data" / "images");
    const TProcessResult Result = RunProgram(Copy.Exe, Elsewhere.Path(), true);
    EXPECT_EQ(Result.ExitCode, 0) << Result.Errors;
    EXPECT_EQ(LogLines(Copy.LogFile).size(), 2u);
    EXPECT_FALSE(fs::exists(Elsewhere.Path() / "kalmot.log"));
}

TEST(Program, MissingOrCorruptImageIsLoggedAndEndsWithCodeOne)
{
    struct TCase {
        std::string File;
        std::string Content; // empty: the file is removed
    };
    const TCase Cases[] = {
        {"mouse.bmp", ""},
        {"font.bmp", "BM this is not a bitmap"},
        {"empty.bmp", ""},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.File);
        TInstalledCopy Copy;
        if (Case.Content.empty())
            fs::remove(Copy.Image(Case.File));
        else
            std::ofstream(Copy.Image(Case.File), std::ios::binary) << Case.Content;

        const TProcessResult Result = RunProgram(Copy.Exe, Copy.Folder.Path(), false);
        EXPECT_EQ(Result.ExitCode, 1) << Result.Errors;
        const auto Lines = LogLines(Copy.LogFile);
        ASSERT_EQ(Lines.size(), 3u);
        EXPECT_TRUE(IsStatus(Lines[0], "Starting Application", "Initialization"));
        EXPECT_TRUE(std::regex_match(Lines[1], std::regex(R"(\*\*\* ERROR \*\*\* : @ \d\d:\d\d:\d\d MSG : Couldn't load data/images/)" +
                                                          Case.File + R"( : .+ IN : Initialize\r)")))
            << Lines[1];
        EXPECT_TRUE(IsStatus(Lines[2], "Terminating Application", "Finalization"));
    }
}

TEST(Program, ImageTooSmallForItsCellsIsRefused)
{
    TInstalledCopy Copy;
    fs::copy_file(Copy.Image("empty.bmp"), Copy.Image("font.bmp"), fs::copy_options::overwrite_existing);
    const TProcessResult Result = RunProgram(Copy.Exe, Copy.Folder.Path(), false);
    EXPECT_EQ(Result.ExitCode, 1);
    const auto Lines = LogLines(Copy.LogFile);
    ASSERT_EQ(Lines.size(), 3u);
    EXPECT_NE(Lines[1].find("Couldn't load data/images/font.bmp : the image is"), std::string::npos) << Lines[1];
}

TEST(Program, UncreatableLogStopsBeforeAnythingElse)
{
    TInstalledCopy Copy;
    fs::create_directory(Copy.LogFile); // the log's name is taken by a directory
    const TProcessResult Result = RunProgram(Copy.Exe, Copy.Folder.Path(), true);
    EXPECT_EQ(Result.ExitCode, 1);
    EXPECT_NE(Result.Errors.find(Copy.LogFile.string()), std::string::npos) << Result.Errors;
    EXPECT_NE(Result.Errors.find("Is a directory"), std::string::npos) << Result.Errors;
}
