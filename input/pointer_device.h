#pragma once
// The device number (`which`) that SDL's motion and button events carry
// for a pointer driven by a finger on the screen: SDL 2's touch mouse
// (SDL_TOUCH_MOUSEID) in SDL 1.2's eight bits. The browser layer gives it
// to a touch's events; the poll notes it (PointerTouched) and the program
// then draws no pointer of its own.

inline constexpr unsigned char TouchPointerDevice = 255;
