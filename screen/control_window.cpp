#include "screen/control_window.h"

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

TWindow& ControlWindow(TWindowGroup& Windows) { return *FindWindow(Windows, ControlWindowName); }

bool BackClicked(TWindowGroup& Windows) { return ControlWindow(Windows).Buttons.Items[BackButton].Clicked; }
