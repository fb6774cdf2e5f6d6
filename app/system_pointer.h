#pragma once
// Keeps the system's pointer out of sight: Kalmot draws its own (DrawCursor).
//
// In a window the pointer is simply switched off. In full screen that would
// lose the pointer: sdl12-compat grabs the input of a full-screen display,
// and a switched-off pointer over grabbed input turns on SDL's relative
// mouse mode, which reports movements instead of positions. Where the X
// server sends no raw movements (Xvfb, for a pointer moved by a tool) no
// motion arrives at all, and where movements do arrive the position is
// summed from them, starting at the centre, not the real pointer's. So in
// full screen the pointer stays switched on, wearing a cursor without a
// single visible pixel, and real positions keep coming.

// After every mode change, for the mode just opened.
void HideSystemPointer(bool FullScreen);

// Frees the invisible cursor, if one was made; before SDL_Quit.
void ReleaseSystemPointer();
