#include "app/command_line.h"

#include <cstdlib>

#include "app/data_folder.h"
#include "log/log_path.h"

#ifndef KALMOT_VERSION
#define KALMOT_VERSION "unknown"
#endif

namespace {

// A whole number from 1 to MaxScale, nothing around it; 0 otherwise.
int ParseScale(const std::string& Text)
{
    if (Text.size() != 1 || Text[0] < '1' || Text[0] > '0' + MaxScale) return 0;
    return Text[0] - '0';
}

TCommandLine Bad(const std::string& Problem)
{
    TCommandLine Result;
    Result.Action = TCommandLine::BadUsage;
    Result.Problem = Problem;
    return Result;
}

} // namespace

TCommandLine ParseCommandLine(const std::vector<std::string>& Arguments)
{
    TCommandLine Result;
    for (size_t Index = 0; Index < Arguments.size(); ++Index) {
        const std::string& Argument = Arguments[Index];
        if (Argument == "--help" || Argument == "-h") {
            Result.Action = TCommandLine::ShowHelp;
        } else if (Argument == "--version") {
            if (Result.Action == TCommandLine::Run) Result.Action = TCommandLine::ShowVersion;
        } else if (Argument == "--fullscreen") {
            Result.FullScreen = true;
        } else if (Argument == "--unpaced") {
            Result.Unpaced = true;
        } else if (Argument == "--scale" || Argument.rfind("--scale=", 0) == 0) {
            std::string Value;
            if (Argument == "--scale") {
                if (Index + 1 == Arguments.size()) return Bad("--scale needs a number from 1 to 4");
                Value = Arguments[++Index];
            } else {
                Value = Argument.substr(8);
            }
            Result.Scale = ParseScale(Value);
            if (Result.Scale == 0) return Bad("--scale takes a whole number from 1 to 4, not '" + Value + "'");
        } else if (!Argument.empty() && Argument[0] != '-') {
            if (!Result.SceneFile.empty()) return Bad("one scene file at a time, not also '" + Argument + "'");
            Result.SceneFile = Argument;
        } else {
            return Bad("unknown option '" + Argument + "'");
        }
    }
    return Result;
}

std::string UsageText()
{
    return "usage: kalmot [--fullscreen] [--scale N] [--unpaced] [--help] [--version] [FILE.kalmot-scene]\n";
}

std::string HelpText(const std::string& ExePath)
{
    std::string Text = UsageText() +
                       "\n"
                       "Three small physics simulations: particles, a tornado and a fire.\n"
                       "\n"
                       "Options:\n"
                       "  --fullscreen  start in full screen (Alt+Enter switches back)\n"
                       "  --scale N     a window N times larger (N from 1 to 4), pixels kept sharp;\n"
                       "                sets SDL12COMPAT_WINDOW_SCALING=N and\n"
                       "                SDL12COMPAT_SCALE_METHOD=nearest unless already set\n"
                       "  --unpaced     frames as fast as the machine draws them, each taking exactly\n"
                       "                the tempo's steps, with no catch-up: for benchmarks and tests\n"
                       "                (normally frames come at most 60 a second)\n"
                       "  --help        this text\n"
                       "  --version     the version\n"
                       "  FILE          open the scene FILE (.kalmot-scene) in the particle world, paused\n"
                       "\n"
                       "Keys:\n"
                       "  mouse           press the buttons; drag windows by their title bar;\n"
                       "                  in the particle world, drag to throw a particle or draw a wall\n"
                       "  Alt+Enter, F11  switch between window and full screen\n"
                       "  Esc             back to the menu; on the menu, quit\n"
                       "  spin edits      drag their arrows, or type a number after clicking the field\n"
                       "  F1              show or hide the help panel\n"
                       "  F3              show or hide the statistics line: frames and steps per second,\n"
                       "                  tempo, busy time, particles and walls, rings\n"
                       "  F5, Pause, F8   pause or resume the simulation\n"
                       "  F6              while paused, one step of the simulation\n"
                       "  +, =, keypad +  faster: the tempo 1/4x, 1/2x, 1x, 2x, 4x, 8x (steps per tick)\n"
                       "  -, keypad -     slower\n"
                       "  F12, Print, F9  save the frame as kalmot-YYYY-MM-DD-HHMMSS.png in the pictures\n"
                       "                  folder (xdg-user-dir PICTURES, else ~/Pictures, else the working\n"
                       "                  folder). F8 and F9 are for browsers, which keep F5 and F12\n"
                       "  Ctrl+S          particle world: save the scene as kalmot-scena-YYYY-MM-DD-HHMMSS\n"
                       "                  .kalmot-scene in the documents folder (xdg-user-dir DOCUMENTS,\n"
                       "                  else ~/Documents, else the working folder)\n"
                       "  Ctrl+O          particle world: list the ten newest scenes there to open one\n"
                       "\n"
                       "Images: the first of these folders holding every sheet is used:\n";
    for (const std::string& Folder : ImageFolderCandidates(ExePath, InstalledImageFolder()))
        Text += "  " + Folder + "\n";
    const std::string Fallback = FallbackLogPath();
    if (RunsFromInstalledTree(ExePath)) {
        Text += "\nLog: " + (Fallback.empty() ? std::string("none, for want of a home folder") : Fallback) + "\n";
    } else {
        Text += "\nLog: " + LogPathFor(ExePath) + "\n";
        if (!Fallback.empty()) Text += "  or, where that folder cannot be written, " + Fallback + "\n";
    }
    return Text;
}

std::string VersionText() { return std::string("kalmot ") + KALMOT_VERSION + "\n"; }

void RequestWindowScale(int Scale)
{
    setenv("SDL12COMPAT_WINDOW_SCALING", std::to_string(Scale).c_str(), 0);
    setenv("SDL12COMPAT_SCALE_METHOD", "nearest", 0);
}
