#include <gtest/gtest.h>

#include <filesystem>

#include "app/command_line.h"
#include "app/window_scale.h"
#include "support/environment.h"
#include "support/files.h"

TEST(CommandLine, NoArgumentsRunsAsAlways)
{
    const TCommandLine Options = ParseCommandLine({});
    EXPECT_EQ(Options.Action, TCommandLine::Run);
    EXPECT_FALSE(Options.FullScreen);
    EXPECT_FALSE(Options.Unpaced);
    EXPECT_EQ(Options.Scale, 0);
}

TEST(CommandLine, ReadsTheOptions)
{
    TCommandLine Options = ParseCommandLine({"--fullscreen", "--scale", "3"});
    EXPECT_EQ(Options.Action, TCommandLine::Run);
    EXPECT_TRUE(Options.FullScreen);
    EXPECT_EQ(Options.Scale, 3);

    Options = ParseCommandLine({"--scale=4", "--unpaced"});
    EXPECT_EQ(Options.Scale, 4);
    EXPECT_FALSE(Options.FullScreen);
    EXPECT_TRUE(Options.Unpaced);

    EXPECT_EQ(ParseCommandLine({"--version"}).Action, TCommandLine::ShowVersion);
    EXPECT_EQ(ParseCommandLine({"--help"}).Action, TCommandLine::ShowHelp);
    EXPECT_EQ(ParseCommandLine({"-h"}).Action, TCommandLine::ShowHelp);
    EXPECT_EQ(ParseCommandLine({"--version", "--help"}).Action, TCommandLine::ShowHelp) << "help wins";

    EXPECT_TRUE(ParseCommandLine({"--fullscreen"}).SceneFile.empty());
    Options = ParseCommandLine({"--fullscreen", "Moje sceny/lejek.kalmot-scene"});
    EXPECT_EQ(Options.Action, TCommandLine::Run);
    EXPECT_EQ(Options.SceneFile, "Moje sceny/lejek.kalmot-scene");
}

TEST(CommandLine, RefusesUnknownOptionsAndBadScales)
{
    for (const std::vector<std::string>& Arguments :
         std::vector<std::vector<std::string>>{{"--bogus"}, {"-f"}, {"a.kalmot-scene", "b"}, {"--scale"}, {"--scale", "0"},
                                               {"--scale", "5"}, {"--scale", "2x"}, {"--scale", "-1"},
                                               {"--scale", " 2"}, {"--scale="}, {"--scale=12"}, {"--fullscreen=1"},
                                               {"--unpaced=1"}, {"--help", "--bogus"}}) {
        const TCommandLine Options = ParseCommandLine(Arguments);
        EXPECT_EQ(Options.Action, TCommandLine::BadUsage) << testing::PrintToString(Arguments);
        EXPECT_FALSE(Options.Problem.empty());
    }
    EXPECT_NE(ParseCommandLine({"--scale", "9"}).Problem.find("'9'"), std::string::npos);
    EXPECT_NE(ParseCommandLine({"--bogus"}).Problem.find("--bogus"), std::string::npos);
}

TEST(CommandLine, HelpNamesTheOptionsTheFoldersAndTheLog)
{
    TEnvironmentVariable State("XDG_STATE_HOME", "/var/tmp/state");
    const std::string Help = HelpText("/opt/kalmot/bin/kalmot");
    EXPECT_EQ(Help.rfind(UsageText(), 0), 0u);
    for (const char* Part :
         {"--fullscreen", "--scale N", "--unpaced", "--version", "Alt+Enter", "Esc", "F1", "F3", "F5", "F6", "keypad +",
          "keypad -", "F11", "F12", "  data/images\n", "  /opt/kalmot/share/kalmot/images\n",
          "/opt/kalmot/bin/kalmot.log", "/var/tmp/state/kalmot/kalmot.log"})
        EXPECT_NE(Help.find(Part), std::string::npos) << Part;
    EXPECT_EQ(VersionText().rfind("kalmot ", 0), 0u);

    // An installed copy names the state folder's log alone.
    TTempFolder Tree;
    std::filesystem::create_directories(Tree.Path() / "bin");
    std::filesystem::create_directories(Tree.Path() / "share" / "kalmot" / "images");
    const std::string Installed = HelpText((Tree.Path() / "bin" / "kalmot").string());
    EXPECT_NE(Installed.find("Log: /var/tmp/state/kalmot/kalmot.log\n"), std::string::npos) << Installed;
    EXPECT_EQ(Installed.find("bin/kalmot.log"), std::string::npos) << Installed;
}

TEST(CommandLine, ScaleAsksSdl12CompatUnlessTheUserAlreadyDid)
{
    {
        TEnvironmentVariable Scaling("SDL12COMPAT_WINDOW_SCALING", nullptr);
        TEnvironmentVariable Method("SDL12COMPAT_SCALE_METHOD", nullptr);
        RequestWindowScale(3);
        EXPECT_STREQ(std::getenv("SDL12COMPAT_WINDOW_SCALING"), "3");
        EXPECT_STREQ(std::getenv("SDL12COMPAT_SCALE_METHOD"), "nearest");
    }
    TEnvironmentVariable Scaling("SDL12COMPAT_WINDOW_SCALING", "1.5");
    TEnvironmentVariable Method("SDL12COMPAT_SCALE_METHOD", "linear");
    RequestWindowScale(2);
    EXPECT_STREQ(std::getenv("SDL12COMPAT_WINDOW_SCALING"), "1.5");
    EXPECT_STREQ(std::getenv("SDL12COMPAT_SCALE_METHOD"), "linear");
}

TEST(CommandLine, AScaleLargerThanTheScreenIsLoweredToTheLargestThatFits)
{
    EXPECT_EQ(FittingScale(2, 1280, 1024), 1); // 1600 x 1200 would not fit
    EXPECT_EQ(FittingScale(4, 1920, 1440), 2);
    EXPECT_EQ(FittingScale(3, 2400, 1800), 3); // exactly
    EXPECT_EQ(FittingScale(3, 2399, 1800), 2);
    EXPECT_EQ(FittingScale(2, 3840, 2160), 2); // never raised
    EXPECT_EQ(FittingScale(2, 640, 480), 1);   // never below 1
    EXPECT_EQ(FittingScale(4, 0, 0), 4);       // a screen of unknown size
}
