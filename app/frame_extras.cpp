#include "app/frame_extras.h"

#include <chrono>

#include "app/screenshot.h"
#include "app/video.h"
#include "input/command_keys.h"
#include "screen/help_panel.h"
#include "screen/pause.h"
#include "screen/statistics_line.h"
#include "screen/top_strip.h"

namespace {

using TClock = std::chrono::steady_clock;

struct TFrameExtras {
    bool HelpShown = false;
    bool StatisticsShown = false;
    TPause Pause;
    TFrameRate Rate;
    int FramesPerSecond = 0;
    TClock::time_point Start; // of the frame being shown
};
TFrameExtras Extras;

} // namespace

void BeginFrame()
{
    Extras.Start = TClock::now();
    Extras.FramesPerSecond =
        Extras.Rate.FrameAt(std::chrono::duration<double>(Extras.Start.time_since_epoch()).count());
}

bool ApplyCommandKeys(bool Simulation)
{
    if (CommandKeys.FullScreen) ToggleFullScreen();
    if (CommandKeys.Help) Extras.HelpShown = !Extras.HelpShown;
    if (CommandKeys.Statistics) Extras.StatisticsShown = !Extras.StatisticsShown;
    if (!Simulation) return true;
    return ApplyPause(Extras.Pause, CommandKeys.Pause, CommandKeys.Step);
}

void DrawFrameExtras(Uint8 State, const std::function<std::string()>& Counts)
{
    if (Extras.HelpShown) DrawHelpPanel(State);
    if (Extras.StatisticsShown) {
        const double Busy = std::chrono::duration<double, std::milli>(TClock::now() - Extras.Start).count();
        DrawStatisticsLine(StatisticsText(Extras.FramesPerSecond, Busy, Counts ? Counts() : std::string()));
    }
    DrawTopStrip({Extras.Pause.Paused ? PauseLabel() : std::string(), TakeNoticeFrame()});
}

void TakeAskedScreenshot()
{
    if (CommandKeys.Screenshot) KeepScreenshot(CaptureScreenshot());
}

void PauseSimulation() { Extras.Pause.Paused = true; }

void EndPause() { Extras.Pause = TPause{}; }

void ResetFrameExtras()
{
    Extras = TFrameExtras{};
    ResetNotice();
}
