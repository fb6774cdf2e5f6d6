#include "app/application.h"

#include <cstdlib>
#include <iostream>

#include "app/data_folder.h"
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
        if (!ChooseImageFolder(ImageFolderCandidates(RunningExecutablePath(), InstalledImageFolder()),
                               ImageFileNames()))
            return EXIT_FAILURE;
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

int RunApplication(Uint32 StartFlags)
{
    VideoFlags = StartFlags;
    try {
        Log = std::make_unique<TLogger>();
    } catch (const TLogCreateError& Failure) {
        std::cerr << "kalmot: " << Failure.what() << '\n';
        return EXIT_FAILURE;
    }
    Log->Status("Starting Application", "Initialization");
    const int ExitCode = RunWithLog();
    Log->Status("Terminating Application", "Finalization");
    Log.reset();
    return ExitCode;
}
