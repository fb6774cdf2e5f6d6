// The fire screen: the fire burning along the bottom 100 rows of the
// display, drawn over the control window. Esc and the window's button
// "Powrót [Esc]" go back to the menu.

#include "app/control_window.h"
#include "app/frame.h"
#include "app/input.h"
#include "app/screen_state.h"
#include "app/screens.h"
#include "app/video.h"
#include "sim/fire/fire.h"
#include "sim/fire/fire_draw.h"

void RunFireScreen()
{
    TWindowGroup Windows;
    InitWindowGroup(Windows, 1);
    Windows.Items[0] = CreateControlWindow(130, 60, 5, 5);
    TFireCell Fire;
    InitFire(Fire, 0, 500, 800, 100);

    while (ScreenState == StateFire) {
        PollEvents(StateMenu);
        ClearScreen();
        if (MouseHeld) SetVector(DragVector, MouseX, MouseY);
        UpdateWindows(Windows, true);
        DrawWindows(Windows);
        // Drawn before it is stepped, so the first frame shows no fire.
        DrawFire(Fire, 255);
        StepFire(Fire);
        if (BackClicked(Windows)) ScreenState = StateMenu;
        FinishFrame();
    }
}
