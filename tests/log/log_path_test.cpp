#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

#include "log/log_path.h"
#include "support/environment.h"
#include "support/files.h"

TEST(FallbackLogPath, FollowsXdgStateHomeElseTheHomeFolder)
{
    TEnvironmentVariable Home("HOME", "/home/ola");
    {
        TEnvironmentVariable State("XDG_STATE_HOME", "/var/tmp/state");
        EXPECT_EQ(FallbackLogPath(), "/var/tmp/state/kalmot/kalmot.log");
    }
    {
        TEnvironmentVariable State("XDG_STATE_HOME", "/var/tmp/state/");
        EXPECT_EQ(FallbackLogPath(), "/var/tmp/state/kalmot/kalmot.log");
    }
    // Unset, empty and relative values all mean the default.
    for (const char* Value : {static_cast<const char*>(nullptr), "", "state", "./state"}) {
        SCOPED_TRACE(Value ? Value : "(unset)");
        TEnvironmentVariable State("XDG_STATE_HOME", Value);
        EXPECT_EQ(FallbackLogPath(), "/home/ola/.local/state/kalmot/kalmot.log");
    }
}

TEST(FallbackLogPath, WithoutHomeVariableUsesTheUsersHomeFolder)
{
    TEnvironmentVariable State("XDG_STATE_HOME", nullptr);
    TEnvironmentVariable Home("HOME", nullptr);
    const std::string Path = FallbackLogPath();
    if (Path.empty()) GTEST_SKIP() << "this user has no home folder in the password database";
    EXPECT_EQ(Path.front(), '/');
    EXPECT_TRUE(Path.ends_with("/.local/state/kalmot/kalmot.log")) << Path;
}

TEST(RunsFromInstalledTree, OnlyWithImagesUnderShareBesideTheProgram)
{
    TTempFolder Tree;
    const auto Folders = [&](const char* Path) { std::filesystem::create_directories(Tree.Path() / Path); };
    Folders("usr/bin");
    Folders("usr/share/kalmot/images");
    Folders("build/data/images");
    Folders("opt/bin");
    Folders("opt/share");
    std::ofstream(Tree.Path() / "opt/share/kalmot") << "a file where the folder would be";
    EXPECT_TRUE(RunsFromInstalledTree((Tree.Path() / "usr/bin/kalmot").string()));
    EXPECT_FALSE(RunsFromInstalledTree((Tree.Path() / "build/kalmot").string())) << "a build folder";
    EXPECT_FALSE(RunsFromInstalledTree((Tree.Path() / "opt/bin/kalmot").string()));
}

TEST(MakeParentFolders, CreatesTheMissingFoldersForTheUserAlone)
{
    TTempFolder Folder;
    const auto File = Folder.Path() / "a" / "b" / "kalmot.log";
    EXPECT_EQ(MakeParentFolders(File.string()), "");
    EXPECT_TRUE(std::filesystem::is_directory(Folder.Path() / "a" / "b"));
    EXPECT_FALSE(std::filesystem::exists(File));
    struct stat Info{};
    ASSERT_EQ(stat((Folder.Path() / "a").c_str(), &Info), 0);
    EXPECT_EQ(Info.st_mode & 0777, 0700u);
    EXPECT_EQ(MakeParentFolders(File.string()), "") << "folders that exist are fine";
}

TEST(MakeParentFolders, NamesTheFolderThatCannotBeMade)
{
    TTempFolder Folder;
    std::ofstream(Folder.Path() / "plain") << "a file, not a folder";
    const std::string Reason = MakeParentFolders((Folder.Path() / "plain" / "x" / "kalmot.log").string());
    EXPECT_NE(Reason.find((Folder.Path() / "plain" / "x").string()), std::string::npos) << Reason;
    EXPECT_NE(Reason.find("Not a directory"), std::string::npos) << Reason;
}
