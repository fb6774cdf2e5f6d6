#pragma once
// The main menu: a window of five buttons that start the simulations,
// toggle full screen and quit, and a test window showing an edit, a spin
// edit and a progress bar that follows the spin edit.

#include "ui/window.h"

struct TMenuScreen {
    TWindowGroup Windows; // "Menu" and "Test"
};

TMenuScreen CreateMenuScreen();

// One frame between the poll and the pointer.
void RunMenuFrame(TMenuScreen& S);
