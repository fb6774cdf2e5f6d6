// The browser's side of the frame seam (app/frame_loop.h): the page's
// display refresh calls back at its own rate, and a frame runs only when
// the pace's clock (app/pace.h) has its tick due, a quarter of a tick
// allowed; the page is told how long each frame kept the processor and, at
// the end, the exit code.
#include "app/frame_loop.h"

#include <emscripten.h>

#include <cstdlib>

#include "app/pace.h"

namespace {

TFrame Frame = nullptr;
TRunEnd End = nullptr;
bool Paced = true;
TPaceClock Pace;
unsigned Shown = 0;

void ShowOneFrame()
{
    const double Start = emscripten_get_now();
    int Ticks = 1;
    if (Paced) {
        if (!Pace.Due(Start / 1000)) return;
        Ticks = Pace.Start(Start / 1000);
    }
    const bool GoesOn = Frame(Ticks);
    const double Busy = emscripten_get_now() - Start;
    ++Shown;
    EM_ASM({ if (Module.onFrameShown) Module.onFrameShown($0, $1); }, Shown, Busy);
    if (GoesOn) return;
    emscripten_cancel_main_loop();
    const int ExitCode = End();
    EM_ASM({ if (Module.onProgramEnd) Module.onProgramEnd($0); }, ExitCode);
}

} // namespace

int RunFrames(TFrame NextFrame, TRunEnd RunEnd, bool RunPaced)
{
    Frame = NextFrame;
    End = RunEnd;
    Paced = RunPaced;
    EM_ASM({ Module.kalmotRunning = true; });
    emscripten_set_main_loop(ShowOneFrame, 0, 0);
    return EXIT_SUCCESS; // the run goes on in the page
}
