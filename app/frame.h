#pragma once
// The shape every screen's frame shares:
//   PollEvents, ClearScreen, the screen's own work, FinishFrame.

#include <functional>

// Draws the pointer on top of the frame and shows the frame.
void FinishFrame();

// Runs after every shown frame when set. Empty in the program; tests use it
// to drive the real screen loop frame by frame.
extern std::function<void()> AfterFrame;
