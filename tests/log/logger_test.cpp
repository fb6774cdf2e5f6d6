#include <gtest/gtest.h>

#include <fstream>
#include <regex>

#include "log/logger.h"
#include "support/files.h"

namespace {

const std::regex StatusLine(R"(STATUS INFO : @ \d\d:\d\d:\d\d MSG : (.*) IN : (.*)\r)");
const std::regex ErrorLine(R"(\*\*\* ERROR \*\*\* : @ \d\d:\d\d:\d\d MSG : (.*) IN : (.*)\r)");

} // namespace

TEST(LogPath, ReplacesAFourCharacterExtensionOrAppends)
{
    EXPECT_EQ(LogPathFor("/opt/demo/run.exe"), "/opt/demo/run.log");
    EXPECT_EQ(LogPathFor("/work/main/build/kalmot"), "/work/main/build/kalmot.log");
    EXPECT_EQ(LogPathFor("/a.b/kalmot"), "/a.b/kalmot.log");
    EXPECT_EQ(LogPathFor("kalmot"), "kalmot.log");
}

TEST(LogPath, ComesFromTheRunningExecutable)
{
    const std::string Path = RunningExecutablePath();
    EXPECT_EQ(Path.front(), '/');
    EXPECT_NE(Path.find("kalmot_tests"), std::string::npos) << Path;
}

TEST(Logger, WritesBothLineFormatsWithCrLfAtOnce)
{
    TTempFolder Folder;
    TLogger Logger((Folder.Path() / "demo.exe").string());
    EXPECT_EQ(Logger.ExeName, "demo.exe");
    EXPECT_EQ(Logger.ExeDir, Folder.Path().string() + "/");

    Logger.Status("Starting Application", "Initialization");
    Logger.Error("Couldn't set 800x600 video mode : No \"driver\" | 100% : IN : ü", "Initialize");
    // Nothing is held back: the lines are in the file before the log closes.
    const auto Written = ReadLines(Folder.Path() / "demo.log");
    ASSERT_EQ(Written.size(), 2u);
    EXPECT_EQ(ReadFile(Folder.Path() / "demo.log").back(), '\n') << "the last line is not ended";

    std::smatch Match;
    ASSERT_TRUE(std::regex_match(Written[0], Match, StatusLine)) << Written[0];
    EXPECT_EQ(Match[1], "Starting Application");
    EXPECT_EQ(Match[2], "Initialization");
    ASSERT_TRUE(std::regex_match(Written[1], Match, ErrorLine)) << Written[1];
    EXPECT_EQ(Written[1].substr(Written[1].find("MSG : ")),
              "MSG : Couldn't set 800x600 video mode : No \"driver\" | 100% : IN : ü IN : Initialize\r");
}

TEST(Logger, StartsAnewAtEveryRun)
{
    TTempFolder Folder;
    const std::string Exe = (Folder.Path() / "kalmot").string();
    {
        TLogger First(Exe);
        First.Status("first run", "Initialization");
        First.Status("first run again", "Initialization");
    }
    {
        TLogger Second(Exe);
        Second.Status("second run", "Initialization");
    }
    const auto Written = ReadLines(Folder.Path() / "kalmot.log");
    ASSERT_EQ(Written.size(), 1u);
    EXPECT_NE(Written[0].find("MSG : second run IN"), std::string::npos);
}

TEST(Logger, FallsBackWhenTheExecutablesFolderCannotTakeTheLog)
{
    TTempFolder Folder;
    std::filesystem::create_directory(Folder.Path() / "kalmot.log"); // the name is taken
    const auto Fallback = Folder.Path() / "state" / "kalmot" / "kalmot.log";
    {
        TLogger Logger((Folder.Path() / "kalmot").string(), Fallback.string());
        EXPECT_EQ(Logger.ExeDir, Folder.Path().string() + "/");
        Logger.Status("Starting Application", "Initialization");
    }
    const std::string FallbackLog = ReadFile(Fallback);
    const auto Written = ReadLines(Fallback);
    ASSERT_EQ(Written.size(), 1u);
    EXPECT_TRUE(std::regex_match(Written[0], StatusLine)) << Written[0];

    // A log that can go beside the executable goes there, whatever the fallback.
    TTempFolder Writable;
    TLogger Beside((Writable.Path() / "kalmot").string(), Fallback.string());
    Beside.Status("beside", "Initialization");
    EXPECT_EQ(ReadLines(Writable.Path() / "kalmot.log").size(), 1u);
    EXPECT_EQ(ReadFile(Fallback), FallbackLog) << "the fallback was opened";
}

TEST(Logger, AnInstalledProgramLogsToTheStateFolderAloneThoughItsFolderIsWritable)
{
    TTempFolder Tree;
    std::filesystem::create_directories(Tree.Path() / "bin");
    std::filesystem::create_directories(Tree.Path() / "share" / "kalmot" / "images");
    const std::string Exe = (Tree.Path() / "bin" / "kalmot").string();
    const auto State = Tree.Path() / "state" / "kalmot" / "kalmot.log";
    {
        TLogger Logger(Exe, State.string());
        EXPECT_EQ(Logger.ExeDir, (Tree.Path() / "bin").string() + "/");
        Logger.Status("Starting Application", "Initialization");
    }
    EXPECT_EQ(ReadLines(State).size(), 1u);

    // Where the state folder cannot take it, the log fails; it does not
    // go into bin/ instead.
    std::filesystem::remove_all(Tree.Path() / "state");
    std::ofstream(Tree.Path() / "state") << "a file where the state folder should be";
    try {
        TLogger Logger(Exe, State.string());
        FAIL() << "a log was opened";
    } catch (const TLogCreateError& Failure) {
        EXPECT_NE(std::string(Failure.what()).find(State.string() + ": cannot create"), std::string::npos)
            << Failure.what();
    }
    EXPECT_THROW(TLogger(Exe, ""), TLogCreateError) << "no home folder";
    EXPECT_FALSE(std::filesystem::exists(Tree.Path() / "bin" / "kalmot.log"));
}

TEST(Logger, NamesBothFilesAndReasonsWhenNeitherCanBeCreated)
{
    TTempFolder Folder;
    std::filesystem::create_directory(Folder.Path() / "kalmot.log");
    std::ofstream(Folder.Path() / "state") << "a file where the state folder should be";
    const auto Fallback = Folder.Path() / "state" / "kalmot" / "kalmot.log";
    try {
        TLogger Logger((Folder.Path() / "kalmot").string(), Fallback.string());
        FAIL() << "a log was opened";
    } catch (const TLogCreateError& Failure) {
        const std::string What = Failure.what();
        EXPECT_NE(What.find((Folder.Path() / "kalmot.log").string() + ": Is a directory"), std::string::npos) << What;
        EXPECT_NE(What.find(Fallback.string()), std::string::npos) << What;
        EXPECT_NE(What.find("Not a directory"), std::string::npos) << What;
    }
    // Without a home folder there is no fallback to try.
    try {
        TLogger Logger((Folder.Path() / "kalmot").string(), "");
        FAIL() << "a log was opened";
    } catch (const TLogCreateError& Failure) {
        EXPECT_NE(std::string(Failure.what()).find("Is a directory"), std::string::npos) << Failure.what();
    }
}
