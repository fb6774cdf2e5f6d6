#pragma once
// The particle screen: the user throws particles and draws walls with the
// mouse, whichever of the two radio boxes is chosen, and tunes gravity and
// the frictions with three spin edits. The world stands still while the
// control window has the focus.

#include <SDL.h>
#include <string>

#include "sim/particles/physics.h"
#include "sim/particles/scene.h"
#include "ui/window.h"

struct TParticleScreen {
    TPhysics World;
    TWindowGroup Windows;  // the control window only
    bool Placing = false;  // a press began a gesture that is still held
};

// An empty world under the control window, nothing chosen.
TParticleScreen CreateParticleScreen();

// Gestures react to each button event inside the poll, so two clicks in one
// frame make two particles; the focus is the previous frame's.
void ReactToParticleEvent(TParticleScreen& S, const SDL_Event& E);

// One frame between the poll and the pointer: the world drawn once and,
// while the window has no focus, stepped Steps times; the window updated
// and drawn, the drag under way drawn. Steps is 0 while the screen is
// paused. Returns the steps the world took.
int RunParticleFrame(TParticleScreen& S, int Steps);

// The world stands still because the control window has the focus, as the
// frame just shown left it: the top strip says so.
bool WorldHeldByFocus(const TParticleScreen& S);

// The scene the screen shows: its world as it stands and the control
// window's spin edits, check boxes and chosen gesture.
TScene SceneOf(TParticleScreen& S);

// Puts Scene in the screen's place: its world, and the window's controls set
// as the scene has them. The window loses the focus, so the world runs (or
// steps, while paused) at once; a gesture under way is dropped.
void ShowScene(TParticleScreen& S, const TScene& Scene);

// What the statistics line counts here, Windows-1250: "cząsteczki: 12  ściany: 3".
std::string ParticleCounts(const TParticleScreen& S);
