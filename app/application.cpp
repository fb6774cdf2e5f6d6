#include "app/application.h"

#include <cstdlib>
#include <iostream>

#include "app/screen_loop.h"
#include "app/video.h"
#include "draw/surface.h"
#include "log/logger.h"
#include "screen/screen.h"
#include "sim/geometry/angles.h"

bool StartProgram()
{
    Log->Status("Starting Application", "Initialization");
    if (!InitVideo(VideoFlags)) return false;
    InitAngleTables();
    SetOrigin(400, 300);
    ScreenState = StateMenu;
    return true;
}

void StopProgram()
{
    LeaveScreen();
    if (Screen != nullptr) CloseVideo();
    Log->Status("Terminating Application", "Finalization");
}

int RunApplication()
{
    try {
        Log = std::make_unique<TLogger>();
    } catch (const TLogCreateError& Failure) {
        std::cerr << "kalmot: " << Failure.what() << '\n';
        return EXIT_FAILURE;
    }
    int ExitCode = EXIT_FAILURE;
    if (StartProgram()) {
        try {
            RunScreenLoop();
            ExitCode = EXIT_SUCCESS;
        } catch (const TVideoLost&) {
            // the failed modes are in the log already
        }
    }
    StopProgram();
    Log.reset();
    return ExitCode;
}
