#include "app/application.h"

#include <cstdlib>
#include <iostream>

#include "app/data_folder.h"
#include "app/frame_extras.h"
#include "app/frame_loop.h"
#include "app/scene_commands.h"
#include "app/screen_loop.h"
#include "app/video.h"
#include "draw/surface.h"
#include "input/input_state.h"
#include "log/logger.h"
#include "screen/screen.h"
#include "sim/geometry/angles.h"
#include "sim/random.h"

bool StartProgram()
{
    Log->Status("Starting Application", "Initialization");
    if (!ChooseImageFolder(ImageFolderCandidates(RunningExecutablePath(), InstalledImageFolder()), ImageFileNames()))
        return false;
    if (!InitVideo(VideoFlags)) return false;
    InitAngleTables();
    SetOrigin(400, 300);
    ScreenState = SceneAtStart() ? StateParticles : StateMenu;
    return true;
}

void StopProgram()
{
    LeaveScreen();
    if (Screen != nullptr) CloseVideo();
    Log->Status("Terminating Application", "Finalization");
    ResetProgramState();
}

void ResetProgramState()
{
    LeaveScreen();
    ResetFrameExtras();
    ResetScenes();
    ResetScreenState();
    ResetInputState();
    ResetVideoSettings();
    ResetImageFolder();
    ResetOrigin();
    ResetRandom();
}

namespace {

int ExitCode = EXIT_FAILURE; // what the run ends with

// One frame of the screen loop, covering Ticks of the pace's clock; false
// once the run is over.
bool NextFrame(int Ticks)
{
    try {
        if (RunScreenFrame(Ticks)) return true;
        ExitCode = EXIT_SUCCESS;
    } catch (const TVideoLost& Lost) {
        // Each failed mode is in the log already; without a window there is
        // nothing left to run.
        std::cerr << "kalmot: " << Lost.what() << " (the log says why)\n";
    }
    return false;
}

// A start that failed shows no frame.
bool NoFrame(int) { return false; }

int EndRun()
{
    StopProgram();
    Log.reset();
    return ExitCode;
}

} // namespace

int RunApplication(Uint32 StartFlags, bool Paced)
{
    VideoFlags = StartFlags;
    ExitCode = EXIT_FAILURE;
    bool Started = false;
    try {
        Log = std::make_unique<TLogger>();
        // The start line is the log's first: a log that cannot take it is
        // no log, and StartProgram throws before it has started anything.
        Started = StartProgram();
    } catch (const TLogCreateError& Failure) {
        Log.reset();
        std::cerr << "kalmot: " << Failure.what() << '\n';
        return EXIT_FAILURE;
    }
    return RunFrames(Started ? NextFrame : NoFrame, EndRun, Paced);
}
