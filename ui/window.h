#pragma once
// TWindow: a draggable panel with a title bar, a roll-up box and a body that
// holds widget groups; TWindowGroup: all windows of a screen in drawing
// order, the last one on top.
//
// Each frame a screen calls UpdateWindows, which decides the focus from the
// top down, raises the focused window to the end of the group, updates the
// focused window's widgets, fades unfocused windows towards half
// transparency, rolls windows up and down and drags them; then DrawWindows.
// Afterwards the screen reads its widgets' flags through FindWindow.
//
// Geometry of every window, in pixels: title bar 23 high, left border 6
// wide, right end 28 wide, bottom border 3 high; the content origin, from
// which widgets are placed, is (A.X + 6, A.Y + 23).

#include <SDL.h>
#include <string>
#include <vector>

#include "sim/geometry/segment.h"
#include "ui/groups.h"
#include "ui/hot_rect.h"

struct TWindow {
    TSegment Bounds;    // A top-left, B bottom-right, Delta size; display pixels
    TVector DragOffset; // (MouseX - A.X, MouseY - A.Y) when dragging began
    std::string Title;  // Windows-1250, drawn in the title bar
    std::string Name;   // key for FindWindow, never drawn
    bool Focused = false;  // receives widget input
    bool Dragging = false; // follows the mouse
    bool Expanded = false; // the body is shown; false = rolled up to the title bar
    Uint8 Alpha = 0;       // opacity of the frame; 255 from CreateWindow, then fading between 128 and 255
    TButtonGroup Buttons;
    std::vector<TCheckGroup> CheckGroups; // any number of independent check groups
    std::vector<TRadioGroup> RadioGroups; // any number of independent choices
    TLabelGroup Labels;
    TEditGroup Edits;
    TSpinEditGroup SpinEdits;
    TProgressBarGroup ProgressBars;
};

struct TWindowGroup {
    std::vector<TWindow> Items; // index 0 drawn first (bottom), the last on top
};

// A window from (X, Y) to (X + Width, Y + Height), opaque, not focused, with
// empty, invisible groups.
TWindow CreateWindow(const std::string& Name, const std::string& Title, int X, int Y, int Width, int Height,
                     bool Expanded);

// Frame, title and, when expanded, the widgets. The frame is drawn at
// Alpha and the widgets at WidgetAlpha(Alpha); the seven sheets are opaque
// again afterwards.
void DrawWindow(TWindow& W);

// The roll-up box in the right end of W's title bar.
THotRect RollUpBox(const TWindow& W);

// Focus (on a press with FocusOnPress, else on a release), the widgets'
// updates with Active = Focused, fading, roll-up, dragging. Active false
// means a window above has taken the focus.
void UpdateWindow(TWindow& W, bool Active, bool FocusOnPress);

// Empties G, then gives it Count zero-filled windows for the screen to
// assign.
void InitWindowGroup(TWindowGroup& G, int Count);

// DrawWindow on every window, bottom first.
void DrawWindows(TWindowGroup& G);

// UpdateWindow on every window from the top down; the topmost focused
// window and those above it are updated as active, the others not. The
// focused window is then moved to the end of the group, so indices change
// whenever the focus moves.
void UpdateWindows(TWindowGroup& G, bool FocusOnPress);

// The last window of G whose Name equals Name exactly, or nullptr. The
// pointer lives in G's array: UpdateWindows' raising (or any change to
// G.Items) invalidates it, so look the window up again each frame.
TWindow* FindWindow(TWindowGroup& G, const std::string& Name);
