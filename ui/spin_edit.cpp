#include "ui/spin_edit.h"

#include <cstdint>

#include "input/input_state.h"
#include "draw/display.h"
#include "sim/geometry/geometry.h"
#include "sim/geometry/rounding.h"
#include "ui/hot_rect.h"
#include "ui/integer_text.h"
#include "ui/sheets.h"

namespace {

// Pressing marks an arrow pressed; it stays pressed until the mouse is up,
// no press arrives and the mouse has left its zone.
void UpdateArrow(bool Hover, bool& Pressed, TVector& PressPoint)
{
    if (MouseHeld && Hover && MousePressed) {
        Pressed = true;
        PressPoint = MakeVector(MouseX, MouseY);
    } else if (!MouseHeld && !Hover && !MousePressed) {
        Pressed = false;
    }
}

} // namespace

TSpinEdit CreateSpinEdit(int X, int Y, int MaxLength, int Value, int MaxValue, int MinValue, int SelStart,
                         int SelEnd, int Caret)
{
    TSpinEdit S;
    S.Edit = CreateEdit(X, Y, MaxLength, WriteInteger(Value), SelStart, SelEnd, Caret, true);
    S.Value = Value;
    S.MaxValue = MaxValue;
    S.MinValue = MinValue;
    return S;
}

void DrawSpinEdit(TSpinEdit& S, double OffX, double OffY)
{
    DrawEdit(S.Edit, OffX, OffY);
    const int64_t L = int64_t{Round(Extended(S.Edit.Pos.X) + Extended(OffX))} + 8 * int64_t{S.Edit.MaxLength} + 9;
    DrawPiece(SpinImage, SpinCell(true, S.UpHover, S.UpPressed), L, Round(Extended(S.Edit.Pos.Y) + Extended(OffY)));
    DrawPiece(SpinImage, SpinCell(false, S.DownHover, S.DownPressed), L,
              Round(Extended(S.Edit.Pos.Y) + Extended(OffY) + 11));
}

void UpdateSpinEdit(TSpinEdit& S, bool Active, double OffX, double OffY)
{
    UpdateEdit(S.Edit, Active, OffX, OffY);

    // The zones lie where DrawSpinEdit puts the arrows, right of the field's right cap.
    const double X0 = ExtendedSum(S.Edit.Pos.X, OffX, Extended(8) * S.Edit.MaxLength + 9);
    const double Y0 = ExtendedSum(S.Edit.Pos.Y, OffY);
    S.UpHover = MouseOver({X0, Y0, ExtendedSum(X0, 15), ExtendedSum(Y0, 11)});
    S.DownHover = MouseOver({X0, ExtendedSum(Y0, 11), ExtendedSum(X0, 15), ExtendedSum(Y0, 22)});

    // A press outside an arrow's zone lets go of the arrow before any value
    // is worked out, whether or not the window is active: a pointer that
    // jumps from a released arrow to a press elsewhere (a tap after a tap)
    // would otherwise drag the value by the whole jump, and a press on the
    // other arrow starts from the value as it stands.
    if (MousePressed && !S.UpHover) S.UpPressed = false;
    if (MousePressed && !S.DownHover) S.DownPressed = false;

    if (!S.UpPressed && !S.DownPressed) S.BaseValue = S.Value;
    if (const std::optional<int> Typed = ReadInteger(S.Edit.Text)) S.Value = *Typed;

    if (Active) {
        UpdateArrow(S.UpHover, S.UpPressed, S.PressPoint);
        UpdateArrow(S.DownHover, S.DownPressed, S.PressPoint);
    }

    // Worked out in 64 bits: a long drag from an extreme base cannot
    // overflow, and the bounds bring the result back into range.
    int64_t Value = S.Value;
    const double DragLength = Distance(MouseX, MouseY, Extended(S.PressPoint.X), Extended(S.PressPoint.Y));
    const int64_t Dragged = Round(Extended(DragLength));
    if (S.UpPressed && MouseHeld) Value = int64_t{S.BaseValue} + Dragged + 1;
    if (S.DownPressed && MouseHeld) Value = int64_t{S.BaseValue} - Dragged - 1;
    if (Value > S.MaxValue) Value = S.MaxValue;
    if (Value < S.MinValue) Value = S.MinValue;
    S.Value = static_cast<int>(Value);
    S.Edit.Text = WriteInteger(S.Value);
}
