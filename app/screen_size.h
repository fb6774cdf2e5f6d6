#pragma once
// The size of the screen a window opens on, asked before the window opens
// (for --scale). One of the link-time seams: the desktop asks SDL's video
// (app/screen_size.cpp); a browser has no window to fit and knows none
// (web/screen_size.cpp).

// The screen's width and height in pixels, or false where they are not known.
bool ScreenSize(int& Width, int& Height);
