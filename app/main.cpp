#include <SDL.h>

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "app/application.h"
#include "app/command_line.h"
#include "app/scene_commands.h"
#include "app/window_scale.h"
#include "log/log_path.h"

int main(int Argc, char** Argv)
{
    const TCommandLine Options = ParseCommandLine(std::vector<std::string>(Argv + 1, Argv + Argc));
    switch (Options.Action) {
    case TCommandLine::ShowHelp: std::cout << HelpText(RunningExecutablePath()); return 0;
    case TCommandLine::ShowVersion: std::cout << VersionText(); return 0;
    case TCommandLine::BadUsage: std::cerr << "kalmot: " << Options.Problem << '\n' << UsageText(); return 2;
    case TCommandLine::Run: break;
    }
    if (Options.Scale != 0) {
        // A scale the environment sets itself wins (RequestWindowScale); only ours is fitted to the screen.
        const bool Ours = std::getenv("SDL12COMPAT_WINDOW_SCALING") == nullptr;
        RequestWindowScale(Ours ? FitScaleToScreen(Options.Scale, std::cerr) : Options.Scale);
    }
    if (!Options.SceneFile.empty()) OpenSceneAtStart(Options.SceneFile);
    return RunApplication(Options.FullScreen ? SDL_FULLSCREEN : 0, !Options.Unpaced);
}
