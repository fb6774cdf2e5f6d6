#include "ui/window.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "input/input_state.h"
#include "draw/display.h"
#include "draw/text.h"
#include "sim/geometry/rounding.h"
#include "ui/hot_rect.h"
#include "ui/sheets.h"

namespace {

constexpr int TitleHeight = 23;
constexpr int LeftBorder = 6;
constexpr int RightEnd = 28;
constexpr int BottomBorder = 3;
constexpr int FadedAlpha = 128;

THotRect TitleBar(const TWindow& W)
{
    const TSegment& S = W.Bounds;
    return {S.A.X, S.A.Y, S.B.X, ExtendedSum(S.A.Y, 0, TitleHeight)};
}

// Focus: a press (or release) in the window, or in the title bar of a rolled-up
// one, focuses it when it is active; any other press (release) unfocuses.
void UpdateFocus(TWindow& W, bool Active, bool FocusEvent)
{
    const TSegment& S = W.Bounds;
    if (W.Expanded && Active && FocusEvent && MouseInRect(true, S.A.X, S.A.Y, S.B.X, S.B.Y))
        W.Focused = true;
    else if (!W.Expanded && Active && FocusEvent && MouseOver(TitleBar(W)))
        W.Focused = true;
    else if (FocusEvent)
        W.Focused = false;
}

// Fading: one step towards opaque while focused, towards half transparent while
// not: a tenth of the way, at least 1. From either end the fade takes 30
// updates (255, 242, 230, 219, ... 128 and 128, 141, 153, 164, ... 255).
void Fade(TWindow& W)
{
    constexpr Extended Tenth = Extended(1) / 10; // 0.1 as rounded to Extended
    if (W.Focused && W.Alpha < 255)
        W.Alpha = static_cast<Uint8>(W.Alpha + Ceil(static_cast<Extended>(255 - W.Alpha) * Tenth));
    else if (!W.Focused && W.Alpha > FadedAlpha)
        W.Alpha = static_cast<Uint8>(W.Alpha - Ceil(static_cast<Extended>(W.Alpha - FadedAlpha) * Tenth));
}

// Dragging: the window follows the mouse, kept on the 800x600 display. Only X and
// Y of the corners are limited; their cached Length and Angle stay as set
// by the move. A rolled-up window may hang off the left or top edge until
// its right edge or the bottom of its title bar would leave the display.
void Move(TWindow& W)
{
    TSegment& S = W.Bounds;
    const Extended Left = Extended(MouseX) - Extended(W.DragOffset.X);
    const Extended Top = Extended(MouseY) - Extended(W.DragOffset.Y);
    S.A = MakeVector(static_cast<double>(Left), static_cast<double>(Top));
    S.B = MakeVector(static_cast<double>(Left + Extended(S.Delta.X)), static_cast<double>(Top + Extended(S.Delta.Y)));

    if (W.Expanded) {
        if (S.A.X < 0) {
            S.A.X = 0;
            S.B.X = S.Delta.X;
        } else if (S.B.X > DisplayWidth) {
            S.A.X = static_cast<double>(DisplayWidth - static_cast<Extended>(S.Delta.X));
            S.B.X = DisplayWidth;
        }
        if (S.A.Y < 0) {
            S.A.Y = 0;
            S.B.Y = S.Delta.Y;
        } else if (S.B.Y > DisplayHeight) {
            S.A.Y = static_cast<double>(DisplayHeight - static_cast<Extended>(S.Delta.Y));
            S.B.Y = DisplayHeight;
        }
    } else {
        const Extended Right = Extended(S.A.X) + Extended(S.Delta.X);
        if (Right < 0) {
            S.A.X = 0;
            S.B.X = S.Delta.X;
        } else if (Right > DisplayWidth) {
            S.A.X = static_cast<double>(DisplayWidth - static_cast<Extended>(S.Delta.X));
            S.B.X = DisplayWidth;
        }
        const Extended TitleBottom = static_cast<Extended>(S.A.Y) + TitleHeight;
        if (TitleBottom < 0) {
            S.A.Y = 0;
            S.B.Y = S.Delta.Y;
        } else if (TitleBottom > DisplayHeight) {
            S.A.Y = DisplayHeight - TitleHeight;
            S.B.Y = static_cast<double>(DisplayHeight - TitleHeight + static_cast<Extended>(S.Delta.Y));
        }
    }
}

// The sheets a window draws from, with the alpha each gets while it draws.
void SetSheetAlphas(Uint8 FrameAlpha)
{
    const Uint8 Widgets = WidgetAlpha(FrameAlpha);
    for (const TImageEntry& E : DisplayImages) {
        if (E.Alpha == TWindowAlpha::Frame) SDL_SetAlpha(*E.Image, SDL_SRCALPHA, FrameAlpha);
        if (E.Alpha == TWindowAlpha::Widgets) SDL_SetAlpha(*E.Image, SDL_SRCALPHA, Widgets);
    }
}

Uint8 TitleShade(int Value) { return static_cast<Uint8>(std::clamp(Value, 0, 255)); }

} // namespace

THotRect RollUpBox(const TWindow& W)
{
    const TSegment& S = W.Bounds;
    return {ExtendedSum(S.B.X, -30), ExtendedSum(S.A.Y, 3), ExtendedSum(S.B.X, -7), ExtendedSum(S.A.Y, 20)};
}

TWindow CreateWindow(const std::string& Name, const std::string& Title, int X, int Y, int Width, int Height,
                     bool Expanded)
{
    TWindow W;
    W.Bounds.A = MakeVector(X, Y);
    W.Bounds.B = MakeVector(static_cast<double>(static_cast<Extended>(X) + Width),
                            static_cast<double>(static_cast<Extended>(Y) + Height));
    UpdateSegment(W.Bounds);
    W.Title = Title;
    W.Name = Name;
    W.Expanded = Expanded;
    W.Alpha = 255;
    return W;
}

void UpdateWindow(TWindow& W, bool Active, bool FocusOnPress)
{
    const bool FocusEvent = FocusOnPress ? MousePressed : MouseReleased;
    UpdateFocus(W, Active, FocusEvent);

    // The widgets, active only in the focused window.
    if (W.Expanded) {
        const double OffX = ExtendedSum(W.Bounds.A.X, LeftBorder);
        const double OffY = ExtendedSum(W.Bounds.A.Y, TitleHeight);
        UpdateButtonGroup(W.Buttons, W.Focused, OffX, OffY);
        UpdateEditGroup(W.Edits, W.Focused, OffX, OffY);
        UpdateSpinEditGroup(W.SpinEdits, W.Focused, OffX, OffY);
        for (TCheckGroup& G : W.CheckGroups) UpdateCheckGroup(G, W.Focused, OffX, OffY);
        for (TRadioGroup& G : W.RadioGroups) UpdateRadioGroup(G, W.Focused, OffX, OffY);
    }

    // An unfocused window holds no spin arrow.
    if (!W.Focused) ReleaseSpinArrows(W.SpinEdits);

    Fade(W);

    // Roll-up answers a release over the box whatever the focus, even on
    // a window covered by another.
    if (MouseOver(RollUpBox(W)) && MouseReleased) W.Expanded = !W.Expanded;

    // A press on the title bar, off the roll-up box, starts a drag.
    const bool OnTitle = MouseOver(TitleBar(W));
    const bool OnBox = MouseOver(RollUpBox(W));
    if (OnTitle != OnBox && W.Focused && MousePressed) {
        W.Dragging = true;
        W.DragOffset = MakeVector(static_cast<double>(Extended(MouseX) - Extended(W.Bounds.A.X)),
                                  static_cast<double>(Extended(MouseY) - Extended(W.Bounds.A.Y)));
    }

    // Only a release while focused ends a drag.
    if (W.Focused && MouseReleased) W.Dragging = false;

    if (W.Dragging) Move(W);
}

void DrawWindow(TWindow& W)
{
    UpdateSegment(W.Bounds);
    SetSheetAlphas(W.Alpha);

    const TVector& A = W.Bounds.A;
    const TVector& B = W.Bounds.B;
    const TVector& Delta = W.Bounds.Delta;
    const int64_t L = Round(Extended(A.X));
    const int64_t T = Round(Extended(A.Y));
    const int64_t R = Round(Extended(B.X));
    const int64_t D = Round(Extended(B.Y));
    const int64_t N = int64_t{Round(std::fabs(Extended(A.X) - Extended(B.X)))} - 34; // title and bottom middles
    const int64_t M = int64_t{Round(std::fabs(Extended(A.Y) - Extended(B.Y)))} - 26; // side rows
    const int64_t P = int64_t{Round(Extended(Delta.X))} - 34;                        // body columns
    const int64_t Q = int64_t{Round(Extended(Delta.Y))} - 26;                        // body rows
    const int64_t E = W.Expanded ? D - BottomBorder : T + TitleHeight;               // row of the bottom border

    DrawPiece(WindowImage, WindowTitleLeft, L, T);
    DrawPiece(WindowImage, WindowTitleRight, R - RightEnd, T);
    DrawPiece(WindowImage, WindowBottomLeft, L, E);
    DrawPiece(WindowImage, WindowBottomRight, R - RightEnd, E);
    DrawStretched(WindowImage, WindowTitleMiddle, L + LeftBorder, T, N, 1);
    DrawStretched(WindowImage, WindowBottomEdge, L + LeftBorder, E, N, 1);
    if (W.Expanded) {
        DrawStretched(WindowImage, WindowLeftSide, L, T + TitleHeight, 1, M);
        DrawStretched(WindowImage, WindowRightSide, R - RightEnd, T + TitleHeight, 1, M);
        DrawStretched(WindowImage, WindowBody, L + LeftBorder, T + TitleHeight, P, Q);
    }

    // The title over its shadow, one pixel up and left of it; neither is
    // clipped to the bar.
    const Uint8 Shadow = TitleShade(W.Alpha - 64);
    DrawText(BlitterCoord(L + 7), BlitterCoord(T + 5), MapColour(Shadow, Shadow, Shadow), W.Title, false, 1);
    DrawText(BlitterCoord(L + 6), BlitterCoord(T + 4), MapColour(W.Alpha, W.Alpha, W.Alpha), W.Title, false, 1);

    if (W.Expanded) {
        const double OffX = ExtendedSum(A.X, LeftBorder);
        const double OffY = ExtendedSum(A.Y, TitleHeight);
        DrawLabelGroup(W.Labels, MapColour(0, 0, 0), OffX, OffY);
        DrawButtonGroup(W.Buttons, OffX, OffY);
        DrawEditGroup(W.Edits, OffX, OffY);
        DrawSpinEditGroup(W.SpinEdits, OffX, OffY);
        DrawProgressBarGroup(W.ProgressBars, OffX, OffY);
        for (TCheckGroup& G : W.CheckGroups) DrawCheckGroup(G, OffX, OffY);
        for (TRadioGroup& G : W.RadioGroups) DrawRadioGroup(G, OffX, OffY);
    }

    SetSheetAlphas(255);
}

void InitWindowGroup(TWindowGroup& G, int Count)
{
    G.Items.clear();
    G.Items.resize(Count > 0 ? static_cast<size_t>(Count) : 0);
}

void DrawWindows(TWindowGroup& G)
{
    for (TWindow& W : G.Items) DrawWindow(W);
}

void UpdateWindows(TWindowGroup& G, bool FocusOnPress)
{
    bool Found = false;
    size_t Focused = 0;
    for (size_t I = G.Items.size(); I-- > 0;) {
        UpdateWindow(G.Items[I], !Found, FocusOnPress);
        if (G.Items[I].Focused && !Found) {
            Found = true;
            Focused = I;
        }
    }
    if (Found) std::rotate(G.Items.begin() + static_cast<std::ptrdiff_t>(Focused),
                           G.Items.begin() + static_cast<std::ptrdiff_t>(Focused) + 1, G.Items.end());
}

TWindow* FindWindow(TWindowGroup& G, const std::string& Name)
{
    TWindow* Match = nullptr;
    for (TWindow& W : G.Items)
        if (W.Name == Name) Match = &W;
    return Match;
}
