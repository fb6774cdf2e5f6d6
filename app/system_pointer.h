#pragma once
// Keeps the system's pointer out of sight: Kalmot draws its own (DrawCursor).
//
// In a window the pointer is simply switched off. In full screen that would
// lose the pointer: sdl12-compat grabs the input of a full-screen display,
// and a switched-off pointer over grabbed input turns on SDL's relative
// mouse mode, which reports movements instead of positions. X servers that
// send no raw movements (Xvfb, remote desktops, pointers moved by tools)
// then deliver no motion at all, and where movements do arrive, the
// position summed from them drifts away from the real pointer. So in full
// screen the pointer stays switched on, wearing a cursor without a single
// visible pixel, and real positions keep coming.

// After every mode change, for the mode just opened.
void HideSystemPointer(bool FullScreen);

// Frees the invisible cursor, if one was made; before SDL_Quit.
void ReleaseSystemPointer();
