#include "app/screen_loop.h"

#include <functional>
#include <string>
#include <variant>

#include "app/frame_extras.h"
#include "app/input.h"
#include "app/menu.h"
#include "app/scene_commands.h"
#include "app/video.h"
#include "screen/screen.h"
#include "sim/fire/fire_screen.h"
#include "sim/particles/particle_screen.h"
#include "sim/tornado/tornado_screen.h"

namespace {

// The running screen's state; none before the first frame and after leaving.
using TRunningScreen = std::variant<std::monostate, TMenuScreen, TParticleScreen, TTornadoScreen, TFireScreen>;
TRunningScreen Running;
Uint8 RunningState = StateMenu; // the screen state Running was entered for

// Creates the state of the screen State names; a value that names no screen
// runs nothing.
void Enter(Uint8 State)
{
    switch (State) {
    case StateMenu: Running.emplace<TMenuScreen>(CreateMenuScreen()); break;
    case StateParticles: EnterSceneScreen(Running.emplace<TParticleScreen>(CreateParticleScreen())); break;
    case StateTornado: Running.emplace<TTornadoScreen>(CreateTornadoScreen()); break;
    case StateFire: Running.emplace<TFireScreen>(CreateFireScreen()); break;
    default: Running.emplace<std::monostate>(); break;
    }
    RunningState = State;
}

// The ticks of the pace's clock the frame being shown covers.
int FrameTicks = 1;

// One whole frame: the poll with the screen's Esc target and its reaction to
// single events, then the screen's own work between clearing and the
// pointer, told how many steps its simulation takes and returning how many
// it took; over it what the command keys show (frame_extras.h). Counts
// gives what the statistics line counts; HeldByFocus whether the screen's
// world stands still for its window's focus.
template <typename TWork>
void ShowFrame(Uint8 EscState, bool Simulation, const TEventReaction& React, TWork Work,
               const std::function<std::string()>& Counts = nullptr, const std::function<bool()>& HeldByFocus = nullptr)
{
    BeginFrame();
    PollEvents(EscState, BehindHelpPanel(RunningState, React));
    const int Steps = ApplyCommandKeys(Simulation, FrameTicks);
    ClearScreen();
    NoteStepsTaken(Work(Steps));
    DrawFrameExtras(RunningState, Counts, HeldByFocus && HeldByFocus());
    TakeAskedScreenshot();
    DrawCursor();
    SDL_Flip(Screen);
}

// Esc ends the program from the menu and goes back to the menu from the
// simulations.
void RunFrame(std::monostate) {}
void RunFrame(TMenuScreen& S)
{
    ShowFrame(StateQuit, false, nullptr, [&](int) {
        RunMenuFrame(S);
        return 0;
    });
}
// The particle screen keeps and opens scenes (scene_commands.h); while a
// scene window shows, Esc closes it instead of leaving the screen.
void RunFrame(TParticleScreen& S)
{
    ShowFrame(
        SceneWindowShown() ? StateParticles : StateMenu, true,
        [&](const SDL_Event& E) {
            if (!TakeSceneEvent(E)) ReactToParticleEvent(S, E);
        },
        [&](int Steps) {
            BeginSceneFrame(S);
            const int Taken = RunParticleFrame(S, Steps);
            EndSceneFrame(S);
            return Taken;
        },
        [&] { return ParticleCounts(S); }, [&] { return WorldHeldByFocus(S); });
}
void RunFrame(TTornadoScreen& S)
{
    const auto Work = [&](int Steps) {
        RunTornadoFrame(S, Steps);
        return Steps;
    };
    ShowFrame(StateMenu, true, nullptr, Work, [&] { return TornadoCounts(S); });
}
void RunFrame(TFireScreen& S)
{
    ShowFrame(StateMenu, true, nullptr, [&](int Steps) {
        RunFireFrame(S, Steps);
        return Steps;
    });
}

} // namespace

bool RunScreenFrame(int Ticks)
{
    FrameTicks = Ticks;
    if (std::holds_alternative<std::monostate>(Running) || RunningState != ScreenState) Enter(ScreenState);
    std::visit([](auto& S) { RunFrame(S); }, Running);
    if (ScreenState != RunningState) LeaveScreen();
    return ScreenState != StateQuit;
}

void LeaveScreen()
{
    Running.emplace<std::monostate>();
    EndPause();
}
