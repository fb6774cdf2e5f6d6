#include "app/application.h"

#include <cstdlib>
#include <iostream>

#include "app/screen_state.h"
#include "app/screens.h"
#include "app/video.h"
#include "draw/surface.h"
#include "log/logger.h"
#include "sim/geometry/angles.h"

Uint8 ScreenState = StateMenu;

void RunScreenLoop()
{
    for (;;) {
        switch (ScreenState) {
        case StateMenu: RunMenu(); break;
        case StateParticles: RunParticleScreen(); break;
        case StateTornado: RunTornadoScreen(); break;
        case StateFire: RunFireScreen(); break;
        default: break;
        }
        if (ScreenState == StateQuit) return;
    }
}

namespace {

int RunWithLog()
{
    try {
        if (!InitVideo(VideoFlags)) return EXIT_FAILURE;
        InitAngleTables();
        SetOrigin(400, 300);
        RunScreenLoop();
        CloseVideo();
        return EXIT_SUCCESS;
    } catch (const TVideoLost&) {
        return EXIT_FAILURE; // the failed modes are in the log already
    }
}

} // namespace

int RunApplication()
{
    try {
        Log = std::make_unique<TLogger>();
        Log->Status("Starting Application", "Initialization"); // a log that cannot take its first line is no log
    } catch (const TLogCreateError& Failure) {
        Log.reset();
        std::cerr << "kalmot: " << Failure.what() << '\n';
        return EXIT_FAILURE;
    }
    const int ExitCode = RunWithLog();
    Log->Status("Terminating Application", "Finalization");
    Log.reset();
    return ExitCode;
}
