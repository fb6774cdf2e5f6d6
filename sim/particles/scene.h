#pragma once
// TScene: what a saved particle world holds, everything needed to continue
// it exactly. The world is kept as it stands, every vector with its cached
// Length and Angle (the step reads the cache where it lags, so it is never
// recomputed), beside what the control window shows: the spin edits'
// values, the two check boxes and the chosen gesture. Written and read by
// scene_format.h; no SDL here.

#include "sim/particles/physics.h"

// Which radio box of the control window is chosen.
enum class TSceneGesture { None, Particle, Wall };

struct TScene {
    TPhysics World;                   // particles, walls and the settings the next step uses
    int GravityValue = 500;           // the gravity spin edit, 0 to 1000: value / 1000 pixels per step² downward
    int WallFrictionValue = 300;      // the wall friction spin edit, 0 to 1000
    int AirFrictionValue = 1;         // the air friction spin edit, 0 to 1000
    bool DrawForces = false;          // "Rysuj siły"
    bool Thick = false;               // "Pogrubienie"
    TSceneGesture Gesture = TSceneGesture::None; // "Cząsteczka", "Ściana" or neither
};
