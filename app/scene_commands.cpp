#include "app/scene_commands.h"

#include <filesystem>
#include <optional>
#include <vector>

#include "app/frame_extras.h"
#include "app/scene_place.h"
#include "draw/codepage.h"
#include "input/command_keys.h"
#include "input/input_state.h"
#include "log/logger.h"
#include "screen/scene_windows.h"
#include "screen/screen.h"
#include "screen/top_strip.h"
#include "sim/particles/particle_screen.h"
#include "sim/particles/scene_format.h"

namespace {

constexpr const char* Section = "Scene";

// The input a scene window took from the screen's frame.
struct THiddenInput {
    bool MouseHeld, MousePressed, MouseReleased, KeyDown;
    std::string KeyName;
};

struct TScenes {
    std::string FileAtStart;            // kalmot FILE, opened on entering the particle screen
    std::optional<TScene> Waiting;      // a scene to show at the next chance
    std::string WaitingName;            // its file or name
    TWindowGroup Windows;               // the one scene window showing, or none
    std::vector<std::string> Listed;    // the files of the list window's buttons
    bool EscPressed = false;            // Esc in this frame's poll while a window showed
    std::optional<THiddenInput> Hidden; // the screen's input while a window takes it
};
TScenes Scenes;

std::string FileNameOf(const std::string& Path) { return std::filesystem::path(Path).filename().string(); }

// The window comes with the focus, so it shows opaque over the world's own.
void ShowWindow(TWindow Window)
{
    Window.Focused = true;
    InitWindowGroup(Scenes.Windows, 1);
    Scenes.Windows.Items.front() = std::move(Window);
}

void CloseWindow()
{
    Scenes.Windows.Items.clear();
    Scenes.Listed.clear();
}

// A scene that cannot be opened (or kept): the log's error line and the window.
void Refuse(bool Saving, const std::string& Where, const std::string& Reason)
{
    if (Log) Log->Error(std::string(Saving ? "Couldn't save the scene " : "Couldn't open the scene ") + Where + " : " + Reason,
                        Section);
    ShowWindow(CreateSceneRefusal(Saving, Where, Reason));
}

// Reads the file at Path into the waiting scene, or refuses it.
void ReadWaitingFile(const std::string& Path)
{
    std::string Reason;
    std::optional<TScene> Scene = ReadSceneAt(Path, Reason);
    if (!Scene) return Refuse(false, Path, Reason);
    Scenes.Waiting = std::move(Scene);
    Scenes.WaitingName = Path;
}

// The waiting scene takes the world's place, paused.
void ShowWaiting(TParticleScreen& S)
{
    if (!Scenes.Waiting) return;
    ShowScene(S, *Scenes.Waiting);
    PauseSimulation();
    if (Log) Log->Status("Scene opened: " + Scenes.WaitingName, Section);
    PostNotice(Cp1250("Otwarto scenę: ") + Cp1250(FileNameOf(Scenes.WaitingName)));
    Scenes.Waiting.reset();
    Scenes.WaitingName.clear();
}

void SaveScene(TParticleScreen& S)
{
    const TKeptScene Kept = KeepScene(SceneOf(S));
    if (!Kept.Reason.empty()) return Refuse(true, Kept.Where, Kept.Reason);
    PostNotice(Cp1250("Zapisano scenę: ") + Cp1250(FileNameOf(Kept.Where)));
}

void ShowList()
{
    std::string Folder;
    std::vector<std::string> Files;
    if (!SceneFilesToList(Files, Folder)) return;
    std::vector<std::string> Names;
    for (const std::string& File : Files) Names.push_back(FileNameOf(File));
    ShowWindow(CreateSceneList(Names, Folder));
    Scenes.Listed = Files;
}

} // namespace

void OpenSceneAtStart(const std::string& Path) { Scenes.FileAtStart = Path; }

bool SceneAtStart() { return !Scenes.FileAtStart.empty(); }

void OpenSceneBytes(std::string_view Bytes, const std::string& Name)
{
    std::string Reason;
    std::optional<TScene> Scene = ReadScene(Bytes, Reason);
    if (!Scene) {
        Refuse(false, Name, Reason);
    } else {
        Scenes.Waiting = std::move(Scene);
        Scenes.WaitingName = Name;
    }
    // The window or the scene shows on the particle screen.
    if (ScreenState != StateQuit) ScreenState = StateParticles;
}

bool SceneWindowShown() { return !Scenes.Windows.Items.empty(); }

bool TakeSceneEvent(const SDL_Event& E)
{
    if (!SceneWindowShown()) return false;
    if (E.type == SDL_KEYDOWN && E.key.keysym.sym == SDLK_ESCAPE) Scenes.EscPressed = true;
    return true;
}

void EnterSceneScreen(TParticleScreen& S)
{
    if (!Scenes.FileAtStart.empty()) {
        ReadWaitingFile(Scenes.FileAtStart);
        Scenes.FileAtStart.clear();
    }
    ShowWaiting(S);
}

void BeginSceneFrame(TParticleScreen& S)
{
    // Saved before the world is drawn and stepped: the scene is the frame shown.
    if (CommandKeys.SaveScene) SaveScene(S);
    if (CommandKeys.OpenScene && !SceneWindowShown()) ShowList();
    if (!SceneWindowShown()) return;

    if (Scenes.EscPressed) {
        Scenes.EscPressed = false;
        CloseWindow();
        return;
    }
    UpdateWindows(Scenes.Windows, true);
    Scenes.Hidden = THiddenInput{MouseHeld, MousePressed, MouseReleased, KeyDown, KeyName};
    MouseHeld = MousePressed = MouseReleased = KeyDown = false;
    KeyName = " ";
}

void EndSceneFrame(TParticleScreen& S)
{
    if (Scenes.Hidden) {
        MouseHeld = Scenes.Hidden->MouseHeld;
        MousePressed = Scenes.Hidden->MousePressed;
        MouseReleased = Scenes.Hidden->MouseReleased;
        KeyDown = Scenes.Hidden->KeyDown;
        KeyName = Scenes.Hidden->KeyName;
        Scenes.Hidden.reset();
    }
    if (SceneWindowShown()) {
        TWindow& Window = Scenes.Windows.Items.front();
        const int Chosen = Window.Name == SceneListName ? ClickedScene(Window) : -1;
        if (Chosen >= 0) {
            const std::string Path = Scenes.Listed[static_cast<size_t>(Chosen)];
            CloseWindow();
            ReadWaitingFile(Path); // a refusal shows its window from the next frame
        } else if (SceneWindowClosed(Window)) {
            CloseWindow();
        }
    }
    if (SceneWindowShown()) DrawWindows(Scenes.Windows);
    ShowWaiting(S);
}

void ResetScenes() { Scenes = TScenes{}; }
