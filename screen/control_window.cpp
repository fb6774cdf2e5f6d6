#include "screen/control_window.h"

#include <cassert>

#include "draw/codepage.h"

TWindow CreateControlWindow(int Width, int Height, int ButtonX, int ButtonY)
{
    TWindow Window = CreateWindow(ControlWindowName, Cp1250("Sterowanie"), 200, 200, Width, Height, true);
    InitButtonGroup(Window.Buttons, 1, true);
    Window.Buttons.Items[BackButton] = CreateButton(Cp1250("Powrót [Esc]"), ButtonX, ButtonY, 0, 0);
    return Window;
}

TWindowGroup ControlWindowGroup(const TWindow& Window)
{
    TWindowGroup Windows;
    InitWindowGroup(Windows, 1);
    Windows.Items.front() = Window;
    return Windows;
}

TWindow& ControlWindow(TWindowGroup& Windows)
{
    TWindow* Window = FindWindow(Windows, ControlWindowName);
    assert(Window != nullptr); // every simulation screen makes its group with ControlWindowGroup
    return *Window;
}

bool BackClicked(TWindowGroup& Windows)
{
    const TWindow& Window = ControlWindow(Windows);
    assert(Window.Buttons.Items.size() > BackButton); // as CreateControlWindow made it
    return Window.Buttons.Items[BackButton].Clicked;
}
