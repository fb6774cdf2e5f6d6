#include "screen/help_panel_press.h"

#include "input/input_state.h"

namespace {

Uint32 ButtonBit(Uint8 Button) { return Button < 32 ? Uint32{1} << Button : 0; }

} // namespace

void BeginHelpPanelPoll(THelpPanelPress& P)
{
    const Uint32 Taken = P.TakenButtons;
    P = THelpPanelPress{};
    P.TakenButtons = Taken;
    P.HeldBefore = MouseHeld;
    P.PressBefore = PressVector;
}

bool TakeHelpPanelEvent(THelpPanelPress& P, const TWindow* Panel, const SDL_Event& E)
{
    if (E.type != SDL_MOUSEBUTTONDOWN && E.type != SDL_MOUSEBUTTONUP) return false;
    const Uint32 Bit = ButtonBit(E.button.button);
    if (E.type == SDL_MOUSEBUTTONDOWN) {
        if (Panel && !P.HideAsked &&
            MouseInRect(true, Panel->Bounds.A.X, Panel->Bounds.A.Y, Panel->Bounds.B.X, Panel->Bounds.B.Y)) {
            P.TakenButtons |= Bit;
            P.HideAsked = MouseOver(RollUpBox(*Panel));
            P.Took = true;
            return true;
        }
        P.Pressed = true;
        P.PressAfter = PressVector;
    } else {
        if (P.TakenButtons & Bit) {
            P.TakenButtons &= ~Bit;
            P.Took = true;
            return true;
        }
        P.Released = true;
    }
    P.HeldSeen = true;
    P.Held = MouseHeld;
    return false;
}

bool EndHelpPanelPoll(THelpPanelPress& P)
{
    if (!P.Took) return false;
    MousePressed = P.Pressed;
    MouseReleased = P.Released;
    MouseHeld = P.HeldSeen ? P.Held : P.HeldBefore;
    PressVector = P.Pressed ? P.PressAfter : P.PressBefore;
    return P.HideAsked;
}
