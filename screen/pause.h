#pragma once
// The pause of a simulation screen (F5): the screen goes on polling,
// drawing and updating its windows, but its simulation takes no step, but
// for the single step that F6 asks for; a small "Pauza [F5]" label shows
// meanwhile ("Pauza [F8]" in a browser). A new visit of a screen starts unpaused.
//
//   frame's commands     before       after        the simulation steps
//   none                 running      running      yes
//   none                 paused       paused       no
//   Pause                running      paused       no
//   Pause                paused       running      yes
//   Step                 paused       paused       yes, once
//   Step                 running      running      yes (as any frame)

#include <string>

struct TPause {
    bool Paused = false;
};

// Applies a frame's Pause and Step commands; returns whether the simulation
// takes its step in this frame.
bool ApplyPause(TPause& P, bool PausePressed, bool StepPressed);

// The label the top strip shows while paused (Windows-1250): "Pauza [F5]",
// naming the key PauseKeyName gives.
std::string PauseLabel();

// The pause key the label names: "F5" on the desktop, "F8" in a browser,
// which reloads the page on F5. Each build links its own (pause_key.cpp).
const char* PauseKeyName();
