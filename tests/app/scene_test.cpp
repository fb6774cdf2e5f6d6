// Scenes in the running program: Ctrl+S, kalmot FILE, Ctrl+O's list, the
// refusals, and a world that continues bit for bit from the saved moment.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

#include "app/scene_commands.h"
#include "app/scene_file.h"
#include "input/command_keys.h"
#include "screen/scene_windows.h"
#include "screen/screen.h"
#include "screen/top_strip.h"
#include "sim/particles/scene_format.h"
#include "support/busy_scene.h"
#include "support/environment.h"
#include "support/files.h"
#include "support/headless.h"

namespace {

// A home of its own with a Documents folder, which is then the documents
// folder; Folder moves it elsewhere through xdg-user-dir's settings.
class TSceneHome {
public:
    explicit TSceneHome(const std::string& Folder = "$HOME/Documents")
        : HomeVariable("HOME", Home.Path().c_str()), Config("XDG_CONFIG_HOME", (Home.Path() / "config").c_str()),
          Documents("XDG_DOCUMENTS_DIR", nullptr)
    {
        std::filesystem::create_directories(Home.Path() / "Documents");
        std::filesystem::create_directories(Home.Path() / "config");
        std::ofstream(Home.Path() / "config" / "user-dirs.dirs") << "XDG_DOCUMENTS_DIR=\"" << Folder << "\"\n";
    }
    std::filesystem::path Folder() const { return Home.Path() / "Documents"; }

    // The scene files there, by name.
    std::vector<std::filesystem::path> Files() const
    {
        std::vector<std::filesystem::path> Found;
        for (const auto& Entry : std::filesystem::directory_iterator(Folder())) Found.push_back(Entry.path());
        std::sort(Found.begin(), Found.end());
        return Found;
    }

private:
    TTempFolder Home;
    TEnvironmentVariable HomeVariable, Config, Documents;
};

std::string BusyText()
{
    std::string Reason;
    return WriteScene(BusyScene(), Reason).value();
}

void PushControl(SDLKey Symbol)
{
    PushKey(Symbol, true, KMOD_LCTRL, static_cast<Uint16>(Symbol & 0x1f));
    PushKey(Symbol, false, KMOD_LCTRL);
}

TScene ReadBack(const std::filesystem::path& Path)
{
    std::string Reason;
    std::optional<TScene> Scene = ReadSceneFile(Path, Reason);
    EXPECT_TRUE(Scene.has_value()) << Path << ": " << Reason;
    return Scene.value_or(TScene{});
}

// Display pixels outside the top strip's two lines and the control window
// (which fades in its first frames), row by row.
std::vector<Uint32> WorldPixels()
{
    std::vector<Uint32> Pixels;
    for (int Y = 42; Y < 600; ++Y)
        for (int X = 0; X < 800; ++X)
            if (!(X >= 200 && X <= 561 && Y >= 200 && Y <= 381)) Pixels.push_back(DisplayPixel(X, Y));
    return Pixels;
}

// Saves in a first program after it ran and paused, steps Steps times and
// saves again; opens the first file in a fresh program (kalmot FILE), steps
// as often and saves: both second files hold the same bytes.
void ExpectContinuesBitForBit(int Steps)
{
    const TSceneHome Home;
    std::filesystem::path Start;
    {
        THeadless First;
        First.On(0, [] { OpenSceneBytes(BusyText(), "busy"); });
        First.On(1, [] { TapKey(SDLK_F8); }); // runs from frame 2
        First.On(9, [] { TapKey(SDLK_F5); }); // paused from frame 10
        First.On(11, [] { PushControl(SDLK_s); });
        First.On(12, [&] {
            ASSERT_EQ(Home.Files().size(), 1u);
            Start = Home.Files()[0];
        });
        for (int I = 0; I < Steps; ++I) First.On(12 + I, [] { TapKey(SDLK_F6); });
        First.On(12 + Steps, [] { PushControl(SDLK_s); });
        First.Run(14 + Steps);
    }
    const std::vector<std::filesystem::path> Saved = Home.Files();
    ASSERT_EQ(Saved.size(), 2u);
    const std::filesystem::path End = Saved[0] == Start ? Saved[1] : Saved[0];
    ASSERT_NE(ReadFile(Start), ReadFile(End)) << "the world did not move";
    std::filesystem::rename(End, Home.Folder() / "first-program.txt");

    OpenSceneAtStart(Start.string());
    THeadless Second;
    for (int I = 0; I < Steps; ++I) Second.On(2 + I, [] { TapKey(SDLK_F6); });
    Second.On(2 + Steps, [] { PushControl(SDLK_s); });
    Second.Run(4 + Steps);
    const std::vector<std::filesystem::path> Now = Home.Files();
    ASSERT_EQ(Now.size(), 3u);
    const auto Continued = std::find_if(Now.begin(), Now.end(), [&](const auto& P) {
        return P != Start && P.extension() == ".kalmot-scene";
    });
    ASSERT_NE(Continued, Now.end());
    EXPECT_TRUE(SameBits(ReadBack(Home.Folder() / "first-program.txt").World, ReadBack(*Continued).World));
    EXPECT_EQ(ReadFile(Home.Folder() / "first-program.txt"), ReadFile(*Continued));
}

} // namespace

TEST(SceneProgram, CtrlSSavesTheWorldAsShownUnderANameOfItsOwn)
{
    const TSceneHome Home;
    THeadless Program;
    Program.On(0, [] { OpenSceneBytes(BusyText(), "busy"); });
    Program.On(2, [] { PushControl(SDLK_s); });
    Program.On(3, [] { PushControl(SDLK_s); });
    Program.Run(5);
    const std::vector<std::filesystem::path> Saved = Home.Files();
    ASSERT_EQ(Saved.size(), 2u);
    for (const std::filesystem::path& Path : Saved) {
        EXPECT_EQ(Path.filename().string().rfind("kalmot-scena-", 0), 0u) << Path;
        EXPECT_EQ(Path.extension(), ".kalmot-scene");
        const TScene Scene = ReadBack(Path);
        EXPECT_TRUE(SameBits(Scene.World, BusyScene().World)) << "opened paused, so never stepped";
        EXPECT_EQ(Scene.WallFrictionValue, 250);
        EXPECT_EQ(Scene.Gesture, TSceneGesture::Wall);
        EXPECT_NE(ReadFile(Program.LogPath()).find("Scene saved: " + Path.string()), std::string::npos);
    }
    EXPECT_EQ(ScreenState, StateParticles);
}

TEST(SceneProgram, AnOpenedSceneContinuesBitForBitAfterOneStep) { ExpectContinuesBitForBit(1); }

TEST(SceneProgram, AnOpenedSceneContinuesBitForBitAfterThreeHundredSteps) { ExpectContinuesBitForBit(300); }

TEST(SceneProgram, TheFirstFrameOfAnOpenedSceneIsTheFrameSavedFrom)
{
    const TSceneHome Home;
    std::vector<Uint32> SavedFrame, SavedLater;
    {
        THeadless First;
        First.On(0, [] {
            MovePointer(700, 60); // the same pointer in both frames
            OpenSceneBytes(BusyText(), "busy");
        });
        First.On(1, [] { TapKey(SDLK_F8); });
        First.On(6, [] { TapKey(SDLK_F5); });
        First.On(7, [] { PushControl(SDLK_s); });
        First.On(8, [&] { SavedFrame = WorldPixels(); });
        First.On(8 + (NoticeFrames + 10), [&] { SavedLater = CaptureDisplay(); });
        First.Run(8 + (NoticeFrames + 10));
    }
    ASSERT_EQ(Home.Files().size(), 1u);
    OpenSceneAtStart(Home.Files()[0].string());
    THeadless Second;
    Second.On(0, [] { MovePointer(700, 60); });
    std::vector<Uint32> OpenedFrame, OpenedLater;
    Second.On(1, [&] { OpenedFrame = WorldPixels(); });
    Second.On(1 + (NoticeFrames + 10), [&] { OpenedLater = CaptureDisplay(); });
    Second.Run(1 + (NoticeFrames + 10));
    EXPECT_TRUE(OpenedFrame == SavedFrame);
    ASSERT_EQ(OpenedLater.size(), SavedLater.size());
    std::vector<size_t> Differ;
    for (size_t I = 0; I < SavedLater.size(); ++I)
        if (OpenedLater[I] != SavedLater[I]) Differ.push_back(I);
    EXPECT_TRUE(Differ.empty()) << "paused: the same frame once the notices are gone; " << Differ.size()
                                << " pixels differ, the first at " << (Differ.empty() ? 0 : Differ[0] % 800) << ", "
                                << (Differ.empty() ? 0 : Differ[0] / 800);
}

namespace {

// Starts the program with the scene at Path and expects it refused for
// Reason: the particle screen, an empty world, the window and the log's line.
void ExpectRefusedAtStart(const std::filesystem::path& Path, const std::string& Reason)
{
    SCOPED_TRACE(Path.string());
    OpenSceneAtStart(Path.string());
    THeadless Program;
    Program.On(2, [] { PushControl(SDLK_s); }); // the world as it is: empty
    Program.Run(3);
    EXPECT_EQ(ScreenState, StateParticles);
    EXPECT_TRUE(SceneWindowShown());
    const std::string Log = ReadFile(Program.LogPath());
    EXPECT_NE(Log.find("Couldn't open the scene " + Path.string() + " : " + Reason), std::string::npos) << Log;
}

} // namespace

TEST(SceneProgram, ABadSceneFileIsRefusedAndTheProgramStartsEmpty)
{
    const TSceneHome Home;
    TTempFolder Folder;
    const std::filesystem::path Newer = Folder.Path() / "newer.kalmot-scene";
    std::string Text = BusyText();
    Text.replace(Text.find("\"version\":1"), 11, "\"version\":7");
    std::ofstream(Newer) << Text;
    ExpectRefusedAtStart(Newer, "the scene is of format version 7, newer than this Kalmot reads (1)");
    EXPECT_EQ(ReadFile(Newer), Text) << "the file is left as it was";

    const std::filesystem::path Cut = Folder.Path() / "cut.kalmot-scene";
    std::ofstream(Cut) << BusyText().substr(0, 500);
    ExpectRefusedAtStart(Cut, "not JSON");

    ExpectRefusedAtStart(Folder.Path(), "Is a directory");
    ExpectRefusedAtStart(Folder.Path() / "none.kalmot-scene", "No such file or directory");
    ExpectRefusedAtStart("/dev/zero", "not a regular file but a character device");
    const std::filesystem::path Fifo = Folder.Path() / "fifo.kalmot-scene";
    ASSERT_EQ(mkfifo(Fifo.c_str(), 0600), 0);
    ExpectRefusedAtStart(Fifo, "not a regular file but a FIFO"); // and no wait for a writer

    const std::filesystem::path Large = Folder.Path() / "large.kalmot-scene";
    std::ofstream(Large) << "{";
    std::filesystem::resize_file(Large, MaxSceneBytes + 1); // sparse, no disk taken
    ExpectRefusedAtStart(Large, "the file holds 67108865 bytes or more, more than the 67108864 a scene may have");

    // A file that opens but cannot be read, even by the superuser.
    ExpectRefusedAtStart("/proc/self/mem", "Input/output error");
    if (geteuid() != 0) { // the superuser reads any file
        const std::filesystem::path Locked = Folder.Path() / "locked.kalmot-scene";
        std::ofstream(Locked) << BusyText();
        std::filesystem::permissions(Locked, std::filesystem::perms::none);
        ExpectRefusedAtStart(Locked, "Permission denied");
    }
    EXPECT_EQ(Home.Files().size(), geteuid() != 0 ? 9u : 8u) << "each run saved its empty world";
    for (const std::filesystem::path& Saved : Home.Files()) EXPECT_TRUE(ReadBack(Saved).World.Particles.empty());
}

TEST(SceneProgram, CtrlOListsTheNewestAndARefusedChoiceLeavesTheWorldAlone)
{
    const TSceneHome Home;
    std::ofstream(Home.Folder() / "old.kalmot-scene") << BusyText();
    std::filesystem::last_write_time(Home.Folder() / "old.kalmot-scene",
                                     std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
    std::ofstream(Home.Folder() / "broken.kalmot-scene") << "{\"format\": \"kalmot-scene\", \"version\": 99}";

    // The list as the program will build it: the broken file is the newest.
    const std::vector<std::filesystem::path> Newest = NewestSceneFiles(Home.Folder(), 10);
    ASSERT_EQ(Newest.size(), 2u);
    EXPECT_EQ(Newest[0].filename(), "broken.kalmot-scene");
    const TWindow List = CreateSceneList({"broken.kalmot-scene", "old.kalmot-scene"}, Home.Folder().string());
    const auto Centre = [&](size_t Button) {
        const TSegment& B = List.Buttons.Items[Button].Bounds;
        return std::pair<int, int>(static_cast<int>(List.Bounds.A.X + 6 + (B.A.X + B.B.X) / 2),
                                   static_cast<int>(List.Bounds.A.Y + 23 + (B.A.Y + B.B.Y) / 2));
    };

    THeadless Program;
    Program.On(0, [] { OpenSceneBytes(BusyText(), "busy"); });
    Program.On(2, [] { PushControl(SDLK_o); });
    bool Listed = false;
    Program.On(3, [&] { Listed = SceneWindowShown(); });
    ClickAt(Program, 5, Centre(0).first, Centre(0).second); // the broken scene
    bool Refused = false;
    Program.On(7, [&] {
        Refused = SceneWindowShown();
        TapKey(SDLK_ESCAPE); // closes the window, stays on the screen
    });
    Program.On(9, [] { PushControl(SDLK_s); });
    Program.Run(11);
    EXPECT_TRUE(Listed);
    EXPECT_TRUE(Refused);
    EXPECT_FALSE(SceneWindowShown());
    EXPECT_EQ(ScreenState, StateParticles);
    EXPECT_NE(ReadFile(Program.LogPath()).find("Couldn't open the scene " + Newest[0].string() + " : the scene is of format version 99"),
              std::string::npos);
    std::vector<std::filesystem::path> Saved;
    for (const auto& P : Home.Files())
        if (P.filename().string().rfind("kalmot-scena-", 0) == 0) Saved.push_back(P);
    ASSERT_EQ(Saved.size(), 1u);
    EXPECT_TRUE(SameBits(ReadBack(Saved[0]).World, BusyScene().World)) << "neither changed nor stepped";
}

TEST(SceneProgram, AListedSceneOpensPaused)
{
    const TSceneHome Home;
    std::ofstream(Home.Folder() / "busy.kalmot-scene") << BusyText();
    const TWindow List = CreateSceneList({"busy.kalmot-scene"}, Home.Folder().string());
    const TSegment& B = List.Buttons.Items[0].Bounds;
    THeadless Program;
    Program.On(0, [] { ScreenState = StateParticles; });
    Program.On(2, [] { PushControl(SDLK_o); });
    ClickAt(Program, 4, static_cast<int>(List.Bounds.A.X + 6 + (B.A.X + B.B.X) / 2),
            static_cast<int>(List.Bounds.A.Y + 23 + (B.A.Y + B.B.Y) / 2));
    Program.On(8, [] { PushControl(SDLK_s); });
    Program.Run(10);
    EXPECT_FALSE(SceneWindowShown());
    EXPECT_NE(ReadFile(Program.LogPath()).find("Scene opened: " + (Home.Folder() / "busy.kalmot-scene").string()),
              std::string::npos);
    std::vector<std::filesystem::path> Saved = Home.Files();
    ASSERT_EQ(Saved.size(), 2u);
    EXPECT_TRUE(SameBits(ReadBack(Saved[1]).World, BusyScene().World)) << "opened paused";
}

TEST(SceneProgram, ADocumentsFolderThatCannotBeWrittenLosesNothing)
{
    const TSceneHome Home("/proc"); // a folder no one, not even the superuser, may add files to
    THeadless Program;
    Program.On(0, [] { OpenSceneBytes(BusyText(), "busy"); });
    Program.On(2, [] { PushControl(SDLK_s); });
    Program.Run(4);
    EXPECT_TRUE(SceneWindowShown());
    EXPECT_EQ(ScreenState, StateParticles);
    EXPECT_NE(ReadFile(Program.LogPath()).find("Couldn't save the scene /proc/kalmot-scena-"), std::string::npos)
        << ReadFile(Program.LogPath());
}

TEST(SceneFiles, TheTenNewestSceneFilesNewestFirst)
{
    TTempFolder Folder;
    const auto Now = std::filesystem::file_time_type::clock::now();
    for (int I = 0; I < 12; ++I) {
        const std::filesystem::path Path = Folder.Path() / ("s" + std::to_string(I) + ".kalmot-scene");
        std::ofstream(Path) << "{}";
        std::filesystem::last_write_time(Path, Now - std::chrono::minutes(I * 7 % 12));
    }
    std::ofstream(Folder.Path() / "other.json") << "{}";
    std::filesystem::create_directory(Folder.Path() / "folder.kalmot-scene");
    ASSERT_EQ(mkfifo((Folder.Path() / "fifo.kalmot-scene").c_str(), 0600), 0);
    const std::vector<std::filesystem::path> Newest = NewestSceneFiles(Folder.Path(), 10);
    ASSERT_EQ(Newest.size(), 10u);
    for (size_t I = 0; I < Newest.size(); ++I) {
        // Minutes I * 7 % 12 old: file 0 is the newest, then 7, 2, 9, 4, 11, 6, 1, 8, 3.
        const int Expected[] = {0, 7, 2, 9, 4, 11, 6, 1, 8, 3};
        EXPECT_EQ(Newest[I].filename(), "s" + std::to_string(Expected[I]) + ".kalmot-scene");
    }
    EXPECT_TRUE(NewestSceneFiles(Folder.Path() / "none", 10).empty());
}

TEST(SceneKeys, CtrlSAndCtrlOAreCommandsButAltGrLettersAreNot)
{
    CommandKeys = {};
    EXPECT_TRUE(NoteCommandKey(SDLK_s, KMOD_LCTRL));
    EXPECT_TRUE(CommandKeys.SaveScene);
    EXPECT_FALSE(CommandKeys.OpenScene);
    EXPECT_TRUE(NoteCommandKey(SDLK_o, static_cast<SDLMod>(KMOD_RCTRL | KMOD_LSHIFT)));
    EXPECT_TRUE(CommandKeys.OpenScene);
    // s and o alone, and AltGr's ś and ó where it comes as Ctrl+Alt, are letters.
    for (const SDLKey Key : {SDLK_s, SDLK_o})
        for (const int Modifiers : {int{KMOD_NONE}, int{KMOD_LSHIFT}, KMOD_LCTRL | KMOD_RALT, int{KMOD_RALT}})
            EXPECT_FALSE(IsCommandKey(Key, static_cast<SDLMod>(Modifiers))) << Key << " " << Modifiers;
    CommandKeys = {};
}
