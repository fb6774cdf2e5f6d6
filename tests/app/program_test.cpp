// The built program run as a process: its log, its exit codes, and its
// start-up failures.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>

#include "log/log_path.h"
#include "support/files.h"
#include "support/process.h"
#include "support/program_copy.h"

namespace fs = std::filesystem;

namespace {

bool IsStatus(const std::string& Line, const std::string& Message, const std::string& Section)
{
    return std::regex_match(Line, std::regex(R"(STATUS INFO : @ \d\d:\d\d:\d\d MSG : )" + Message + " IN : " +
                                             Section + "\r"));
}

} // namespace

TEST(Program, NormalRunLeavesExactlyTheTwoStatusLines)
{
    TProgramCopy Copy;
    for (int Run = 0; Run < 2; ++Run) { // the second run's log replaces the first's
        const TProcessResult Result = RunProgram(Copy.Exe, Copy.Folder.Path(), true);
        EXPECT_EQ(Result.ExitCode, 0) << Result.Errors;
        const auto Lines = ReadLines(Copy.LogFile);
        ASSERT_EQ(Lines.size(), 2u);
        EXPECT_TRUE(IsStatus(Lines[0], "Starting Application", "Initialization")) << Lines[0];
        EXPECT_TRUE(IsStatus(Lines[1], "Terminating Application", "Finalization")) << Lines[1];
    }
}

TEST(Program, LogsBesideTheExecutableWhateverTheWorkingDirectory)
{
    TProgramCopy Copy;
    TTempFolder Elsewhere;
    fs::create_directories(Elsewhere.Path() / "data");
    fs::create_directory_symlink(SourceImages, Elsewhere.Path() / "data" / "images");
    const TProcessResult Result = RunProgram(Copy.Exe, Elsewhere.Path(), true);
    EXPECT_EQ(Result.ExitCode, 0) << Result.Errors;
    EXPECT_EQ(ReadLines(Copy.LogFile).size(), 2u);
    EXPECT_FALSE(fs::exists(Elsewhere.Path() / "kalmot.log"));
}

TEST(Program, CorruptImageIsLoggedAndEndsWithCodeOne)
{
    struct TCase {
        std::string File;
        std::string Content;
    };
    const TCase Cases[] = {
        {"font.bmp", "BM this is not a bitmap"},
        {"empty.bmp", ""},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.File);
        TProgramCopy Copy;
        std::ofstream(Copy.Image(Case.File), std::ios::binary | std::ios::trunc) << Case.Content;

        const TProcessResult Result = RunProgram(Copy.Exe, Copy.Folder.Path(), false);
        EXPECT_EQ(Result.ExitCode, 1) << Result.Errors;
        const auto Lines = ReadLines(Copy.LogFile);
        ASSERT_EQ(Lines.size(), 3u);
        EXPECT_TRUE(IsStatus(Lines[0], "Starting Application", "Initialization"));
        EXPECT_TRUE(std::regex_match(Lines[1], std::regex(R"(\*\*\* ERROR \*\*\* : @ \d\d:\d\d:\d\d MSG : Couldn't load data/images/)" +
                                                          Case.File + R"( : .+ IN : Initialize\r)")))
            << Lines[1];
        EXPECT_TRUE(IsStatus(Lines[2], "Terminating Application", "Finalization"));
    }
}

TEST(Program, FindsItsImagesFromAnyWorkingFolder)
{
    // Where the images lie, relative to a folder holding the executable.
    struct TLayout {
        const char* Exe;
        const char* Images;
    };
    const TLayout Layouts[] = {
        {"kalmot", "data/images"},               // a copied program
        {"build/kalmot", "data/images"},         // the source tree's build folder
        {"bin/kalmot", "share/kalmot/images"},   // an installed tree, moved
    };
    for (const TLayout& Layout : Layouts) {
        SCOPED_TRACE(Layout.Exe);
        TTempFolder Tree;
        TTempFolder Elsewhere;
        const fs::path Exe = Tree.Path() / Layout.Exe;
        fs::create_directories(Exe.parent_path());
        fs::copy_file(BuiltProgram, Exe);
        fs::create_directories(Tree.Path() / Layout.Images);
        fs::copy(SourceImages, Tree.Path() / Layout.Images, fs::copy_options::recursive);
        // An incomplete data/images under the working folder does not stop the search.
        fs::create_directories(Elsewhere.Path() / "data" / "images");
        fs::copy_file(SourceImages / "mouse.bmp", Elsewhere.Path() / "data" / "images" / "mouse.bmp");

        TTempFolder State;
        TRunRequest Request;
        Request.Environment["XDG_STATE_HOME"] = State.Path().string();
        const TProcessResult Result = RunProgram(Exe, Elsewhere.Path(), true, Request);
        EXPECT_EQ(Result.ExitCode, 0) << Result.Errors;
        // Only a program in an installed tree logs to the state folder.
        const bool Installed = Layout.Images == std::string("share/kalmot/images");
        const fs::path StateLog = State.Path() / "kalmot" / "kalmot.log";
        EXPECT_EQ(ReadLines(Installed ? StateLog : fs::path(LogPathFor(Exe.string()))).size(), 2u);
        EXPECT_NE(fs::exists(LogPathFor(Exe.string())), Installed);
        EXPECT_EQ(fs::exists(StateLog), Installed);
    }
}

TEST(Program, MissingImagesNameEveryFolderTriedInTheLogAndOnStandardError)
{
    TProgramCopy Copy;
    fs::remove(Copy.Image("spin.bmp"));
    TTempFolder Elsewhere;
    const TProcessResult Result = RunProgram(Copy.Exe, Elsewhere.Path(), false);
    EXPECT_EQ(Result.ExitCode, 1);
    const auto Lines = ReadLines(Copy.LogFile);
    ASSERT_EQ(Lines.size(), 3u);
    EXPECT_TRUE(IsStatus(Lines[2], "Terminating Application", "Finalization"));
    const std::string Beside = (Copy.Folder.Path() / "data" / "images").string();
    const std::string Above = (Copy.Folder.Path().parent_path() / "data" / "images").string();
    for (const std::string& Part : {std::string("Couldn't find the images in any of: data/images (no such folder)"),
                                    Beside + " (no spin.bmp)", Above + " (", std::string("/share/kalmot/images (")}) {
        EXPECT_NE(Lines[1].find(Part), std::string::npos) << Part << "\n" << Lines[1];
        EXPECT_NE(Result.Errors.find(Part), std::string::npos) << Part << "\n" << Result.Errors;
    }
}

TEST(Program, NoDisplayEndsAtOnceWithCodeOneAndSaysHowToGetOne)
{
    // SDL's real fall-back: no display named, no driver asked for.
    TProgramCopy Copy;
    const TProcessResult Result = RunProgram(Copy.Exe, Copy.Folder.Path(), false,
                                             {{}, {{"SDL_VIDEODRIVER", ""}, {"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}}});
    EXPECT_EQ(Result.ExitCode, 1);
    EXPECT_LT(Result.Seconds, 1.0);
    EXPECT_NE(Result.Errors.find("kalmot: Could not initialize SDL : no display (SDL fell back to its video driver \""),
              std::string::npos)
        << Result.Errors;
    EXPECT_NE(
        Result.Errors.find("run it from a desktop session, or headless under xvfb-run -s '-screen 0 1024x768x24' " +
                           Copy.Exe.string() + ", or with SDL_VIDEODRIVER=dummy"),
        std::string::npos)
        << Result.Errors;
    const auto Lines = ReadLines(Copy.LogFile);
    ASSERT_EQ(Lines.size(), 3u);
    EXPECT_TRUE(std::regex_match(
        Lines[1], std::regex(R"(\*\*\* ERROR \*\*\* : @ \d\d:\d\d:\d\d MSG : Could not initialize SDL : )"
                             R"(no display \(SDL fell back to its video driver "\w+", which shows )"
                             R"(nothing\) IN : Initialize\r)")))
        << Lines[1];
    EXPECT_TRUE(IsStatus(Lines[2], "Terminating Application", "Finalization"));
}

TEST(Program, ImageTooSmallForItsCellsIsRefused)
{
    TProgramCopy Copy;
    fs::copy_file(Copy.Image("empty.bmp"), Copy.Image("font.bmp"), fs::copy_options::overwrite_existing);
    const TProcessResult Result = RunProgram(Copy.Exe, Copy.Folder.Path(), false);
    EXPECT_EQ(Result.ExitCode, 1);
    const auto Lines = ReadLines(Copy.LogFile);
    ASSERT_EQ(Lines.size(), 3u);
    EXPECT_NE(Lines[1].find("Couldn't load data/images/font.bmp : the image is"), std::string::npos) << Lines[1];
}

TEST(Program, LogFallsBackToTheStateFolderWhenItCannotGoBesideTheExecutable)
{
    TProgramCopy Copy;
    fs::create_directory(Copy.LogFile); // the log's name is taken by a directory
    TTempFolder State;
    const TProcessResult Result =
        RunProgram(Copy.Exe, Copy.Folder.Path(), true, {{}, {{"XDG_STATE_HOME", State.Path().string()}}});
    EXPECT_EQ(Result.ExitCode, 0) << Result.Errors;
    const auto Lines = ReadLines(State.Path() / "kalmot" / "kalmot.log");
    ASSERT_EQ(Lines.size(), 2u);
    EXPECT_TRUE(IsStatus(Lines[0], "Starting Application", "Initialization"));
}

TEST(Program, UncreatableLogStopsBeforeAnythingElse)
{
    TProgramCopy Copy;
    fs::create_directory(Copy.LogFile); // the log's name is taken by a directory
    TTempFolder State;
    std::ofstream(State.Path() / "kalmot") << "a file where the log's folder should be";
    const TProcessResult Result =
        RunProgram(Copy.Exe, Copy.Folder.Path(), true, {{}, {{"XDG_STATE_HOME", State.Path().string()}}});
    EXPECT_EQ(Result.ExitCode, 1);
    EXPECT_NE(Result.Errors.find(Copy.LogFile.string() + ": Is a directory"), std::string::npos) << Result.Errors;
    EXPECT_NE(Result.Errors.find((State.Path() / "kalmot" / "kalmot.log").string()), std::string::npos)
        << Result.Errors;
}

TEST(Program, HelpAndVersionPrintAndEndWithoutTouchingTheLog)
{
    TProgramCopy Copy;
    TProcessResult Result = RunProgram(Copy.Exe, Copy.Folder.Path(), false, {{"--help"}, {}});
    EXPECT_EQ(Result.ExitCode, 0);
    EXPECT_EQ(Result.Output.rfind("usage: kalmot", 0), 0u) << Result.Output;
    EXPECT_NE(Result.Output.find(Copy.LogFile.string()), std::string::npos) << Result.Output;
    EXPECT_EQ(Result.Errors, "");

    Result = RunProgram(Copy.Exe, Copy.Folder.Path(), false, {{"--version"}, {}});
    EXPECT_EQ(Result.ExitCode, 0);
    EXPECT_TRUE(std::regex_match(Result.Output, std::regex("kalmot \\d+\\.\\d+\\.\\d+\n"))) << Result.Output;
    EXPECT_FALSE(fs::exists(Copy.LogFile));
}

TEST(Program, BadCommandLinePrintsTheUsageAndEndsWithCodeTwo)
{
    TProgramCopy Copy;
    for (const std::vector<std::string>& Arguments :
         std::vector<std::vector<std::string>>{{"--bogus"}, {"--scale", "5"}, {"--scale"}, {"--fullscreen", "x", "y"}}) {
        SCOPED_TRACE(testing::PrintToString(Arguments));
        const TProcessResult Result = RunProgram(Copy.Exe, Copy.Folder.Path(), false, {Arguments, {}});
        EXPECT_EQ(Result.ExitCode, 2);
        EXPECT_NE(Result.Errors.find("usage: kalmot"), std::string::npos) << Result.Errors;
        EXPECT_EQ(Result.Output, "");
        EXPECT_FALSE(fs::exists(Copy.LogFile));
    }
}

TEST(Program, StartsInFullScreenOrScaledAndEndsNormally)
{
    TProgramCopy Copy;
    for (const std::vector<std::string>& Arguments :
         std::vector<std::vector<std::string>>{{"--fullscreen"}, {"--scale", "2"}, {"--scale=4", "--fullscreen"}}) {
        SCOPED_TRACE(testing::PrintToString(Arguments));
        const TProcessResult Result = RunProgram(Copy.Exe, Copy.Folder.Path(), true, {Arguments, {}});
        EXPECT_EQ(Result.ExitCode, 0) << Result.Errors;
        EXPECT_EQ(ReadLines(Copy.LogFile).size(), 2u);
    }
}
