#include "ui/groups.h"

namespace {

template <typename TGroup>
void InitGroup(TGroup& G, int Count, bool Visible)
{
    G.Items.clear();
    G.Items.resize(Count > 0 ? static_cast<size_t>(Count) : 0);
    G.Visible = Visible;
}

template <typename TGroup, typename TDraw>
void DrawGroup(TGroup& G, TDraw Draw)
{
    if (!G.Visible) return;
    for (auto& Item : G.Items) Draw(Item);
}

template <typename TGroup, typename TUpdate>
void UpdateGroup(TGroup& G, TUpdate Update)
{
    if (!G.Visible) return;
    for (auto& Item : G.Items) Update(Item);
}

} // namespace

void InitButtonGroup(TButtonGroup& G, int Count, bool Visible) { InitGroup(G, Count, Visible); }

void DrawButtonGroup(TButtonGroup& G, double OffX, double OffY)
{
    DrawGroup(G, [&](TButton& B) { DrawButton(B, OffX, OffY); });
}

void UpdateButtonGroup(TButtonGroup& G, bool Active, double OffX, double OffY)
{
    UpdateGroup(G, [&](TButton& B) { UpdateButton(B, Active, OffX, OffY); });
}

void InitCheckGroup(TCheckGroup& G, int Count, bool Visible) { InitGroup(G, Count, Visible); }

void DrawCheckGroup(TCheckGroup& G, double OffX, double OffY)
{
    DrawGroup(G, [&](TCheckBox& C) { DrawCheckBox(C, OffX, OffY); });
}

void UpdateCheckGroup(TCheckGroup& G, bool Active, double OffX, double OffY)
{
    UpdateGroup(G, [&](TCheckBox& C) { UpdateCheckBox(C, Active, OffX, OffY); });
}

void InitRadioGroup(TRadioGroup& G, int Count, bool AllowNone, bool Visible)
{
    InitGroup(G, Count, Visible);
    G.Selected = 0;
    G.AllowNone = AllowNone;
}

void DrawRadioGroup(TRadioGroup& G, double OffX, double OffY)
{
    DrawGroup(G, [&](TRadioBox& R) { DrawRadioBox(R, OffX, OffY); });
}

// Box by box, k being the box's 1-based index and Prev the choice before
// this update:
//   1. the box's own update (a click toggles it);
//   2. the chosen box was just clicked off: it is checked again, or with
//      AllowNone the group has no choice;
//   3. a checked box becomes the choice;
//   4. once the choice has moved away from Prev, box Prev is unchecked
//      (repeated for every later box, always naming the box chosen before).
// Boxes created checked together settle over two updates: the last checked
// box is chosen first, the second update keeps the first and unchecks it.
void UpdateRadioGroup(TRadioGroup& G, bool Active, double OffX, double OffY)
{
    const int Prev = G.Selected;
    if (!G.Visible) return;
    for (size_t I = 0; I < G.Items.size(); ++I) {
        const int K = static_cast<int>(I) + 1;
        TRadioBox& Box = G.Items[I];
        UpdateRadioBox(Box, Active, OffX, OffY);
        if (!Box.Checked && Box.Clicked && G.Selected == K) {
            if (!G.AllowNone)
                Box.Checked = true;
            else
                G.Selected = 0;
        }
        if (Box.Checked) G.Selected = K;
        // A choice written by the screen may name no box; there is none to uncheck then.
        if (Prev != G.Selected && Prev >= 1 && static_cast<size_t>(Prev) <= G.Items.size())
            G.Items[static_cast<size_t>(Prev) - 1].Checked = false;
    }
}

void InitLabelGroup(TLabelGroup& G, int Count, bool Visible) { InitGroup(G, Count, Visible); }

void DrawLabelGroup(TLabelGroup& G, Uint32 Color, double OffX, double OffY)
{
    DrawGroup(G, [&](TLabel& L) { DrawLabel(L, Color, OffX, OffY); });
}

void InitEditGroup(TEditGroup& G, int Count, bool Visible) { InitGroup(G, Count, Visible); }

void DrawEditGroup(TEditGroup& G, double OffX, double OffY)
{
    DrawGroup(G, [&](TEdit& E) { DrawEdit(E, OffX, OffY); });
}

void UpdateEditGroup(TEditGroup& G, bool Active, double OffX, double OffY)
{
    UpdateGroup(G, [&](TEdit& E) { UpdateEdit(E, Active, OffX, OffY); });
}

void InitSpinEditGroup(TSpinEditGroup& G, int Count, bool Visible) { InitGroup(G, Count, Visible); }

void DrawSpinEditGroup(TSpinEditGroup& G, double OffX, double OffY)
{
    DrawGroup(G, [&](TSpinEdit& S) { DrawSpinEdit(S, OffX, OffY); });
}

void UpdateSpinEditGroup(TSpinEditGroup& G, bool Active, double OffX, double OffY)
{
    UpdateGroup(G, [&](TSpinEdit& S) { UpdateSpinEdit(S, Active, OffX, OffY); });
}

void ReleaseSpinArrows(TSpinEditGroup& G)
{
    for (TSpinEdit& S : G.Items) {
        S.UpPressed = false;
        S.DownPressed = false;
    }
}

void InitProgressBarGroup(TProgressBarGroup& G, int Count, bool Visible) { InitGroup(G, Count, Visible); }

void DrawProgressBarGroup(TProgressBarGroup& G, double OffX, double OffY)
{
    DrawGroup(G, [&](TProgressBar& P) { DrawProgressBar(P, OffX, OffY); });
}
