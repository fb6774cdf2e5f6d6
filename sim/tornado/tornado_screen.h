#pragma once
// The tornado screen: a funnel of a thousand rings whose base follows the
// pointer, and the control window with its way back to the menu.

#include "sim/tornado/whirl.h"
#include "ui/window.h"

struct TTornadoScreen {
    TWhirl Whirl;
    TWindowGroup Windows; // the control window only
};

TTornadoScreen CreateTornadoScreen();

// One frame between the poll and the pointer.
void RunTornadoFrame(TTornadoScreen& S);
