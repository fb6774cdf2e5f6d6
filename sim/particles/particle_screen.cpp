#include "sim/particles/particle_screen.h"

#include <algorithm>

#include "draw/codepage.h"
#include "draw/display.h"
#include "draw/text.h"
#include "draw/vector_draw.h"
#include "input/input_state.h"
#include "screen/screen.h"
#include "sim/particles/physics_draw.h"
#include "sim/particles/readout.h"
#include "ui/integer_text.h"

namespace {

// The control window's groups and their items.
enum : size_t { GestureGroup, RadioGroupCount };
enum : size_t { LookGroup, CheckGroupCount };
enum : size_t { ParticleBox, WallBox };
enum : size_t { ForcesBox, ThickBox };
enum : size_t { GravityLabel, WallFrictionLabel, AirFrictionLabel, LabelCount };
enum : size_t { GravityEdit, WallFrictionEdit, AirFrictionEdit, SpinEditCount };

TWindow CreateParticleControls()
{
    TWindow Window = CreateControlWindow(360, 180, 5, 85);

    Window.RadioGroups.resize(RadioGroupCount);
    TRadioGroup& Gesture = Window.RadioGroups[GestureGroup];
    InitRadioGroup(Gesture, 2, true, true); // nothing chosen; a second click clears the choice
    Gesture.Items[ParticleBox] = CreateRadioBox(Cp1250("Cząsteczka"), 5, 5, false, 0);
    Gesture.Items[WallBox] = CreateRadioBox(Cp1250("Ściana"), 5, 23, false, 0);

    Window.CheckGroups.resize(CheckGroupCount);
    TCheckGroup& Look = Window.CheckGroups[LookGroup];
    InitCheckGroup(Look, 2, true);
    Look.Items[ForcesBox] = CreateCheckBox(Cp1250("Rysuj siły"), 5, 41, false, 0);
    Look.Items[ThickBox] = CreateCheckBox(Cp1250("Pogrubienie"), 5, 59, false, 0);

    InitLabelGroup(Window.Labels, LabelCount, true);
    Window.Labels.Items[GravityLabel] = CreateLabel(155, 5, Cp1250("Grawitacja 0-1000"));
    Window.Labels.Items[WallFrictionLabel] = CreateLabel(155, 49, Cp1250("Tarcie ścian 0-1000"));
    Window.Labels.Items[AirFrictionLabel] = CreateLabel(155, 93, Cp1250("Tarcie powietrza 0-1000"));

    InitSpinEditGroup(Window.SpinEdits, SpinEditCount, true);
    Window.SpinEdits.Items[GravityEdit] = CreateSpinEdit(155, 21, 20, 500, 1000, 0, 0, 0, 0);
    Window.SpinEdits.Items[WallFrictionEdit] = CreateSpinEdit(155, 65, 20, 300, 1000, 0, 0, 0, 0);
    Window.SpinEdits.Items[AirFrictionEdit] = CreateSpinEdit(155, 109, 20, 1, 1000, 0, 0, 0, 0);
    return Window;
}

// A release outside the focused window completes the gesture begun at
// PressVector: a particle thrown with a tenth of the drag, or a wall whose
// first end is never the lower one on screen.
void CompleteGesture(TPhysics& World, const TWindow& Controls)
{
    const TRadioGroup& Gesture = Controls.RadioGroups[GestureGroup];
    if (Gesture.Items[ParticleBox].Checked) {
        TParticle Particle{};
        Particle.Pos = MakeVector(PressVector.X, PressVector.Y);
        Particle.Vel = VectorScaled(VectorDiff(DragVector, PressVector), 0.1);
        World.Particles.push_back(Particle);
    }
    if (Gesture.Items[WallBox].Checked && !SameVector(PressVector, DragVector)) {
        if (DragVector.Y < PressVector.Y) SwapVectors(PressVector, DragVector);
        TSegment Wall{MakeVector(PressVector.X, PressVector.Y), MakeVector(DragVector.X, DragVector.Y), {}};
        UpdateSegment(Wall);
        World.Walls.push_back(Wall);
    }
}

// The spin edits, 0 to 1000, become the world's settings for the next step.
void ReadSettings(TPhysics& World, const TWindow& Controls)
{
    const auto Fraction = [&](size_t Edit) {
        const TSpinEdit& S = Controls.SpinEdits.Items[Edit];
        return static_cast<double>(S.Value) / S.MaxValue;
    };
    World.Gravity = MakeVector(0, Fraction(GravityEdit));
    World.WallFriction = 1 - Fraction(WallFrictionEdit);
    World.AirFriction = 1 - Fraction(AirFrictionEdit);
}

// The drag under way: an arrow from the press point to the pointer, with
// its direction and length written in the display's top-left corner.
void DrawDrag()
{
    SetVector(DragVector, MouseX, MouseY);
    const TVector D = VectorDiff(DragVector, PressVector);
    const Uint32 Yellow = MapColour(255, 255, 0);
    DrawArrow(D, Yellow, PressVector, 1.0);
    DrawText(1, 1, Yellow, Cp1250("Kąt: ") + FormatReadout(D.Angle), false, 0);
    DrawText(1, 17, Yellow, Cp1250("Wartość: ") + FormatReadout(D.Length), false, 0);
}

} // namespace

TParticleScreen CreateParticleScreen()
{
    TParticleScreen S;
    InitPhysics(S.World);
    S.Windows = ControlWindowGroup(CreateParticleControls());
    return S;
}

void ReactToParticleEvent(TParticleScreen& S, const SDL_Event& E)
{
    if (E.type == SDL_MOUSEBUTTONDOWN) S.Placing = true;
    if (E.type != SDL_MOUSEBUTTONUP) return;
    S.Placing = false;
    const TWindow& Controls = ControlWindow(S.Windows);
    if (!Controls.Focused) CompleteGesture(S.World, Controls);
}

int RunParticleFrame(TParticleScreen& S, int Steps)
{
    const TWindow& Before = ControlWindow(S.Windows);
    const bool Paused = Before.Focused; // the world stands still while the window has the focus
    const TCheckGroup& Look = Before.CheckGroups[LookGroup];
    DrawPhysics(S.World, MapColour(255, 0, 0), MapColour(255, 255, 0), MapColour(0, 255, 0),
                Look.Items[ForcesBox].Checked, Look.Items[ThickBox].Checked);
    const int Taken = Paused ? 0 : Steps;
    for (int Step = 0; Step < Taken; ++Step) StepPhysics(S.World);
    // While focused, only a release decides: one outside takes the focus away.
    UpdateWindows(S.Windows, !Paused);
    DrawWindows(S.Windows);

    const TWindow& Controls = ControlWindow(S.Windows);
    ReadSettings(S.World, Controls);
    if (Controls.Focused) S.Placing = false; // a press on the window draws no arrow
    if (BackClicked(S.Windows)) ScreenState = StateMenu;
    if (MouseHeld && S.Placing) DrawDrag();
    return Taken;
}

bool WorldHeldByFocus(const TParticleScreen& S)
{
    // The control window is the screen's only window.
    return std::any_of(S.Windows.Items.begin(), S.Windows.Items.end(), [](const TWindow& W) { return W.Focused; });
}

TScene SceneOf(TParticleScreen& S)
{
    const TWindow& Controls = ControlWindow(S.Windows);
    const TRadioGroup& Gesture = Controls.RadioGroups[GestureGroup];
    const TCheckGroup& Look = Controls.CheckGroups[LookGroup];
    TScene Scene;
    Scene.World = S.World;
    Scene.GravityValue = Controls.SpinEdits.Items[GravityEdit].Value;
    Scene.WallFrictionValue = Controls.SpinEdits.Items[WallFrictionEdit].Value;
    Scene.AirFrictionValue = Controls.SpinEdits.Items[AirFrictionEdit].Value;
    Scene.DrawForces = Look.Items[ForcesBox].Checked;
    Scene.Thick = Look.Items[ThickBox].Checked;
    Scene.Gesture = Gesture.Items[ParticleBox].Checked ? TSceneGesture::Particle
                    : Gesture.Items[WallBox].Checked   ? TSceneGesture::Wall
                                                       : TSceneGesture::None;
    return Scene;
}

void ShowScene(TParticleScreen& S, const TScene& Scene)
{
    S.World = Scene.World;
    S.Placing = false;
    TWindow& Controls = ControlWindow(S.Windows);
    Controls.Focused = false;
    const auto SetSpin = [&](size_t Edit, int Value) {
        TSpinEdit& Spin = Controls.SpinEdits.Items[Edit];
        Spin.Value = Value;
        Spin.Edit.Text = WriteInteger(Value);
    };
    SetSpin(GravityEdit, Scene.GravityValue);
    SetSpin(WallFrictionEdit, Scene.WallFrictionValue);
    SetSpin(AirFrictionEdit, Scene.AirFrictionValue);
    TCheckGroup& Look = Controls.CheckGroups[LookGroup];
    Look.Items[ForcesBox].Checked = Scene.DrawForces;
    Look.Items[ThickBox].Checked = Scene.Thick;
    TRadioGroup& Gesture = Controls.RadioGroups[GestureGroup];
    Gesture.Items[ParticleBox].Checked = Scene.Gesture == TSceneGesture::Particle;
    Gesture.Items[WallBox].Checked = Scene.Gesture == TSceneGesture::Wall;
    Gesture.Selected = Gesture.Items[ParticleBox].Checked ? 1 : Gesture.Items[WallBox].Checked ? 2 : 0;
}

std::string ParticleCounts(const TParticleScreen& S)
{
    return Cp1250("cząsteczki: ") + std::to_string(S.World.Particles.size()) + Cp1250("  ściany: ") +
           std::to_string(S.World.Walls.size());
}
