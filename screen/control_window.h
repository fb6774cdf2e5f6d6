#pragma once
// The "Sterowanie" window that every simulation screen shows at (200, 200),
// with its "Powrót [Esc]" button as the first of its buttons.

#include "ui/window.h"

// The name the simulation screens find their control window by.
inline constexpr const char* ControlWindowName = "Ster";

// The window, expanded, with a button group holding only the back button
// at (ButtonX, ButtonY) of its content.
TWindow CreateControlWindow(int Width, int Height, int ButtonX, int ButtonY);

// The back button's place in the window's button group.
inline constexpr size_t BackButton = 0;

// A window group holding only Window.
TWindowGroup ControlWindowGroup(const TWindow& Window);

// The control window of Windows; the screens create it, so it is always there.
TWindow& ControlWindow(TWindowGroup& Windows);

// The back button reported a click in the last update.
bool BackClicked(TWindowGroup& Windows);
