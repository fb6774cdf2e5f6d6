#pragma once
// The tornado screen: a funnel of a thousand rings whose base follows the
// pointer, and the control window with its way back to the menu.

#include <string>

#include "sim/tornado/whirl.h"
#include "ui/window.h"

struct TTornadoScreen {
    TWhirl Whirl;
    TWindowGroup Windows; // the control window only
};

TTornadoScreen CreateTornadoScreen();

// One frame between the poll and the pointer: the whirl drawn once, then
// stepped Steps times towards the pointer (0 while the screen is paused).
void RunTornadoFrame(TTornadoScreen& S, int Steps);

// What the statistics line counts here, Windows-1250: "pierścienie: 1000".
std::string TornadoCounts(const TTornadoScreen& S);
