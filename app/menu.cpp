#include "app/menu.h"

#include "app/video.h"
#include "draw/codepage.h"
#include "input/input_state.h"
#include "screen/screen.h"

namespace {

const char* const MenuName = "Menu";
const char* const TestName = "Test";

// The windows in creation order; raising reorders them, so later they are
// found by name.
enum : size_t { MenuWindow, TestWindow, WindowCount };
// The test window's groups hold one widget each.
constexpr size_t Only = 0;
enum : size_t { ParticlesButton, TornadoButton, FireButton, FullScreenButton, QuitButton, ButtonCount };

TWindowGroup CreateMenuWindows()
{
    TWindowGroup Windows;
    InitWindowGroup(Windows, WindowCount);

    Windows.Items[MenuWindow] = CreateWindow(MenuName, Cp1250("Wybierz symulację"), 100, 100, 220, 195, true);
    TButtonGroup& Buttons = Windows.Items[MenuWindow].Buttons;
    InitButtonGroup(Buttons, ButtonCount, true);
    // 26-pixel buttons: the first three edge to edge, one button's height
    // free before the last two.
    Buttons.Items[ParticlesButton] = CreateButton(Cp1250("Symulacja cząsteczek"), 5, 5, 0, 0);
    Buttons.Items[TornadoButton] = CreateButton(Cp1250("Symulacja tornada"), 5, 31, 0, 0);
    Buttons.Items[FireButton] = CreateButton(Cp1250("Symulacja ognia"), 5, 57, 0, 0);
    Buttons.Items[FullScreenButton] = CreateButton(Cp1250("Fullscreen [Alt+Enter]"), 5, 109, 0, 0);
    Buttons.Items[QuitButton] = CreateButton(Cp1250("Wyjdź [Esc]"), 5, 135, 0, 0);

    Windows.Items[TestWindow] = CreateWindow(TestName, Cp1250("Test okna"), 350, 150, 300, 300, true);
    TWindow& Test = Windows.Items[TestWindow];
    InitEditGroup(Test.Edits, 1, true);
    Test.Edits.Items[Only] = CreateEdit(5, 5, 16, "Hello!", 0, 0, 0, false);
    InitSpinEditGroup(Test.SpinEdits, 1, true);
    Test.SpinEdits.Items[Only] = CreateSpinEdit(5, 31, 16, 50, 100, 0, 0, 0, 0);
    InitProgressBarGroup(Test.ProgressBars, 1, true);
    Test.ProgressBars.Items[Only] = CreateProgressBar(5, 57, 16, 50, 100);
    return Windows;
}

void ReactToMenuButtons(TWindow& Menu)
{
    const std::vector<TButton>& Buttons = Menu.Buttons.Items;
    if (Buttons[ParticlesButton].Clicked) ScreenState = StateParticles;
    if (Buttons[TornadoButton].Clicked) ScreenState = StateTornado;
    if (Buttons[FireButton].Clicked) ScreenState = StateFire;
    if (Buttons[FullScreenButton].Clicked) ToggleFullScreen();
    if (Buttons[QuitButton].Clicked) ScreenState = StateQuit;
}

} // namespace

TMenuScreen CreateMenuScreen() { return TMenuScreen{CreateMenuWindows()}; }

void RunMenuFrame(TMenuScreen& S)
{
    if (MouseHeld) SetVector(DragVector, MouseX, MouseY);
    UpdateWindows(S.Windows, true);
    DrawWindows(S.Windows);
    // Raising reorders the group, so the windows are found by name.
    if (TWindow* Menu = FindWindow(S.Windows, MenuName)) ReactToMenuButtons(*Menu);
    // After drawing: the bar shows the spin edit's value of the frame before.
    if (TWindow* Test = FindWindow(S.Windows, TestName))
        Test->ProgressBars.Items[Only].Value = Test->SpinEdits.Items[Only].Value;
}
