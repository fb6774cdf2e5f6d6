#include "app/frame_extras.h"

#include <chrono>
#include <optional>

#include "app/pace.h"
#include "app/screenshot.h"
#include "app/video.h"
#include "draw/codepage.h"
#include "input/command_keys.h"
#include "screen/focus_hold.h"
#include "screen/help_panel.h"
#include "screen/help_panel_press.h"
#include "screen/pause.h"
#include "screen/statistics_line.h"
#include "screen/top_strip.h"

namespace {

using TClock = std::chrono::steady_clock;

struct TFrameExtras {
    bool HelpShown = false;
    THelpPanelPress HelpPress; // the presses the shown panel takes for itself
    bool StatisticsShown = false;
    TPause Pause;
    TTempo Tempo;
    TFrameRate Rate;
    TStepRate StepRate;
    int FramesPerSecond = 0;
    int StepsPerSecond = 0;
    TClock::time_point Start; // of the frame being shown
};
TFrameExtras Extras;

} // namespace

void BeginFrame()
{
    BeginHelpPanelPoll(Extras.HelpPress);
    Extras.Start = TClock::now();
    Extras.FramesPerSecond =
        Extras.Rate.FrameAt(std::chrono::duration<double>(Extras.Start.time_since_epoch()).count());
}

TEventReaction BehindHelpPanel(Uint8 State, const TEventReaction& React)
{
    std::optional<TWindow> Panel;
    if (Extras.HelpShown) Panel = HelpPanel(State);
    return [Panel = std::move(Panel), React](const SDL_Event& E) {
        if (TakeHelpPanelEvent(Extras.HelpPress, Panel ? &*Panel : nullptr, E)) return;
        if (React) React(E);
    };
}

namespace {

int StepsOfTheFrame(bool Simulation, int Ticks)
{
    if (!Simulation) return 0;
    if (!ApplyPause(Extras.Pause, CommandKeys.Pause, CommandKeys.Step)) return 0;
    if (Extras.Pause.Paused) return 1; // F6: one ordinary step at any tempo
    return Extras.Tempo.StepsFor(Ticks);
}

} // namespace

int ApplyCommandKeys(bool Simulation, int Ticks)
{
    if (EndHelpPanelPoll(Extras.HelpPress)) Extras.HelpShown = false;
    if (CommandKeys.FullScreen) ToggleFullScreen();
    if (CommandKeys.Help) Extras.HelpShown = !Extras.HelpShown;
    if (CommandKeys.Statistics) Extras.StatisticsShown = !Extras.StatisticsShown;
    if (CommandKeys.Faster) Extras.Tempo.Faster();
    if (CommandKeys.Slower) Extras.Tempo.Slower();
    return StepsOfTheFrame(Simulation, Ticks);
}

void NoteStepsTaken(int Steps)
{
    Extras.StepsPerSecond =
        Extras.StepRate.StepsAt(std::chrono::duration<double>(Extras.Start.time_since_epoch()).count(), Steps);
}

void DrawFrameExtras(Uint8 State, const std::function<std::string()>& Counts, bool HeldByFocus)
{
    if (Extras.HelpShown) DrawHelpPanel(State);
    if (Extras.StatisticsShown) {
        const double Busy = std::chrono::duration<double, std::milli>(TClock::now() - Extras.Start).count();
        DrawStatisticsLine(StatisticsText({Extras.FramesPerSecond, Extras.StepsPerSecond, Extras.Tempo.Text(), Busy},
                                          Counts ? Counts() : std::string()));
    }
    DrawTopStrip({Extras.Pause.Paused ? PauseLabel() : std::string(), HeldByFocus ? FocusHoldLabel() : std::string(),
                  TempoLabel(Extras.Tempo), TakeNoticeFrame()});
}

void TakeAskedScreenshot()
{
    if (!CommandKeys.Screenshot) return;
    const std::string Name = KeepScreenshot(CaptureScreenshot());
    if (!Name.empty()) PostNotice(Cp1250("Zrzut ekranu: ") + Name);
}

void PauseSimulation() { Extras.Pause.Paused = true; }

void EndPause()
{
    Extras.Pause = TPause{};
    Extras.Tempo.DropOwed();
}

void ResetFrameExtras()
{
    Extras = TFrameExtras{};
    ResetNotice();
}
