#pragma once
// The command line: a few options for starting the program the way a
// desktop user wants it; with none, the program starts as always.

#include <string>
#include <vector>

struct TCommandLine {
    enum TAction { Run, ShowHelp, ShowVersion, BadUsage };
    TAction Action = Run;
    bool FullScreen = false; // start in full screen
    bool Unpaced = false;    // frames as fast as the machine draws them, for measuring
    int Scale = 0;           // 1..4: the window that many times larger; 0: left to the system
    std::string SceneFile;   // a scene to open on the particle screen; empty: start on the menu
    std::string Problem;     // with BadUsage: what was wrong, for the user
};

inline constexpr int MaxScale = 4;

// Reads the arguments after the program's name.
TCommandLine ParseCommandLine(const std::vector<std::string>& Arguments);

// The one-line synopsis, ending with a newline.
std::string UsageText();

// --help: the synopsis, the options, the keys, and where the images and the
// log are looked for by the executable at ExePath.
std::string HelpText(const std::string& ExePath);

// --version: the program's name and version, ending with a newline.
std::string VersionText();

// Asks sdl12-compat for a window Scale times larger with crisp, unblended
// pixels, each only where the user's environment does not say otherwise.
void RequestWindowScale(int Scale);
