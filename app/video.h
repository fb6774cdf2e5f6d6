#pragma once
// The display and the images: opening the 800x600x32 mode, loading and
// keying the sprite sheets, switching between window and full screen,
// clearing the display and drawing the pointer.

#include <SDL.h>
#include <stdexcept>
#include <string>
#include <vector>

#include "draw/display.h"

// Flags of the current mode: 0 (window) or SDL_FULLSCREEN.
extern Uint32 VideoFlags;

// Neither the new nor the previous display mode could be opened.
class TVideoLost : public std::runtime_error {
public:
    TVideoLost() : std::runtime_error("the display could not be reopened") {}
};

// Starts SDL (video_driver.h), opens the mode with Flags and loads the
// eleven images; a start or a mode that fails is tried again a few times
// first. On a failure it writes an error line in the log, closes SDL and
// returns false; at start-up, a display SDL cannot reach is also told on
// standard error, with the ways to get one.
bool InitVideo(Uint32 Flags);

// The file names of the images, each once, in load order; they are read
// from ImageFolder (data_folder.h).
std::vector<std::string> ImageFileNames();

// Releases the images and the display and ends SDL.
void CloseVideo();

// Reopens the display in the other mode, on the first start's driver,
// reloading the images. If that mode cannot be opened, an error line names
// it and the previous one is reopened; if neither opens, throws TVideoLost.
void ToggleFullScreen();

// Fills the display with black.
void ClearScreen();

// The pointer at (MouseX, MouseY) over two grey shadows; nothing while the
// pointer is a finger (PointerTouched).
void DrawCursor();

// How the mode is opened; tests replace it to play a mode the system refuses.
using TSetVideoMode = SDL_Surface* (*)(int Width, int Height, int BitsPerPixel, Uint32 Flags);
extern TSetVideoMode SetVideoModeFunction;

// A window again at the next InitVideo, opened by SDL_SetVideoMode and
// SDL_Init on a driver SDL chooses afresh.
void ResetVideoSettings();
