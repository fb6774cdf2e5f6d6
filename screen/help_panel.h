#pragma once
// The help panel (F1): the keys, and what the mouse does on the running
// screen, in a window drawn with the window sheet and the font over the
// screen's own windows. It lies in the free strip each screen leaves beside
// its main window ("Wybierz symulację", "Sterowanie"), in two columns, so
// it hides none of their controls. It is never updated as a window: the
// frame's extras give it the presses on it (help_panel_press.h), so that a
// press on its box hides it and any other press on it does nothing.

#include <SDL.h>
#include <string>
#include <vector>

#include "ui/window.h"

struct THelpRow {
    std::string Keys; // Windows-1250; empty on a row that goes on from the one above
    std::string Text; // Windows-1250; at most HelpTextLength characters
};

// The longest Keys and Text for which two columns still fit the display.
inline constexpr size_t HelpKeysLength = 15;
inline constexpr size_t HelpTextLength = 30;

// The rows for the screen State names (StateMenu, StateParticles, ...): the
// keys, with pause and step only where a simulation runs, then the mouse.
std::vector<THelpRow> HelpRows(Uint8 State);

// The panel showing Rows on the screen State names: the rows in two
// columns (a row that goes on from the one above stays in its column), each
// with the keys in labels and their meaning beside them, centred in that
// screen's free strip.
TWindow CreateHelpPanel(const std::vector<THelpRow>& Rows, Uint8 State);

// The panel for the screen State names, with its own rows.
TWindow HelpPanel(Uint8 State);

// Draws the panel for the screen State names.
void DrawHelpPanel(Uint8 State);
