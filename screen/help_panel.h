#pragma once
// The help panel (F1): the keys, and what the mouse does on the running
// screen, in a window in the middle of the display, drawn with the window
// sheet and the font over the screen's own windows. It is only drawn, never
// updated: it takes no input and moves no focus, and a click goes through
// it to whatever lies below.

#include <SDL.h>
#include <string>
#include <vector>

#include "ui/window.h"

struct THelpRow {
    std::string Keys; // Windows-1250; empty on a row that goes on from the one above
    std::string Text; // Windows-1250
};

// The rows for the screen State names (StateMenu, StateParticles, ...): the
// keys, with pause and step only where a simulation runs, then the mouse.
std::vector<THelpRow> HelpRows(Uint8 State);

// The panel showing Rows: the keys in a column of labels, their meaning
// in a second, centred on the display.
TWindow CreateHelpPanel(const std::vector<THelpRow>& Rows);

// Draws the panel for the screen State names.
void DrawHelpPanel(Uint8 State);
