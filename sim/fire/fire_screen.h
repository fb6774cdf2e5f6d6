#pragma once
// The fire screen: the fire burning along the bottom 100 rows of the
// display, drawn over the control window. Esc and the window's button
// "Powrót [Esc]" go back to the menu.

#include "sim/fire/fire.h"
#include "ui/window.h"

struct TFireScreen {
    TWindowGroup Windows; // the control window only
    TFireCell Fire;
};

TFireScreen CreateFireScreen();

// One frame between the poll and the pointer: the fire drawn once, then
// stepped Steps times (0 while the screen is paused).
void RunFireFrame(TFireScreen& S, int Steps);
