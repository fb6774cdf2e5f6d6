#pragma once
// Widget groups: a growable array of widgets of one kind and a visibility
// flag, so that a window draws, updates and hides all its widgets of a kind
// together. The radio group adds the one-of-many rule.
//
// Init empties the group and gives it Count zero-filled items (empty
// strings, zero numbers, false flags) for the screen to assign; a negative
// Count gives none. A group that is not Visible neither draws nor updates
// (not even hover), so its widgets keep their state, a stale Clicked too.

#include <SDL.h>
#include <vector>

#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/edit.h"
#include "ui/label.h"
#include "ui/progress_bar.h"
#include "ui/radio_box.h"
#include "ui/spin_edit.h"

struct TButtonGroup {
    std::vector<TButton> Items;
    bool Visible = false;
};

struct TCheckGroup {
    std::vector<TCheckBox> Items;
    bool Visible = false;
};

struct TRadioGroup {
    std::vector<TRadioBox> Items;
    int Selected = 0;       // 1-based index of the chosen box; 0 = no choice
    bool Visible = false;
    bool AllowNone = false; // clicking the chosen box clears the choice (true) or keeps it (false)
};

struct TLabelGroup {
    std::vector<TLabel> Items;
    bool Visible = false;
};

struct TEditGroup {
    std::vector<TEdit> Items;
    bool Visible = false;
};

struct TSpinEditGroup {
    std::vector<TSpinEdit> Items;
    bool Visible = false;
};

struct TProgressBarGroup {
    std::vector<TProgressBar> Items;
    bool Visible = false;
};

// Items are drawn in index order (later ones over earlier ones) and updated
// in index order, all with the same offset (display pixels) and Active flag.

void InitButtonGroup(TButtonGroup& G, int Count, bool Visible);
void DrawButtonGroup(TButtonGroup& G, double OffX, double OffY);
void UpdateButtonGroup(TButtonGroup& G, bool Active, double OffX, double OffY);

void InitCheckGroup(TCheckGroup& G, int Count, bool Visible);
void DrawCheckGroup(TCheckGroup& G, double OffX, double OffY);
void UpdateCheckGroup(TCheckGroup& G, bool Active, double OffX, double OffY);

// Selected starts at 0, so the first update that sees a checked box makes
// it the choice.
void InitRadioGroup(TRadioGroup& G, int Count, bool AllowNone, bool Visible);
void DrawRadioGroup(TRadioGroup& G, double OffX, double OffY);
// Keeps at most one box checked: see groups.cpp for the rule box by box.
void UpdateRadioGroup(TRadioGroup& G, bool Active, double OffX, double OffY);

void InitLabelGroup(TLabelGroup& G, int Count, bool Visible);
void DrawLabelGroup(TLabelGroup& G, Uint32 Color, double OffX, double OffY);

void InitEditGroup(TEditGroup& G, int Count, bool Visible);
void DrawEditGroup(TEditGroup& G, double OffX, double OffY);
void UpdateEditGroup(TEditGroup& G, bool Active, double OffX, double OffY);

void InitSpinEditGroup(TSpinEditGroup& G, int Count, bool Visible);
void DrawSpinEditGroup(TSpinEditGroup& G, double OffX, double OffY);
void UpdateSpinEditGroup(TSpinEditGroup& G, bool Active, double OffX, double OffY);
// Lets go of every arrow of the group; a window does this while it is not
// focused.
void ReleaseSpinArrows(TSpinEditGroup& G);

void InitProgressBarGroup(TProgressBarGroup& G, int Count, bool Visible);
void DrawProgressBarGroup(TProgressBarGroup& G, double OffX, double OffY);
