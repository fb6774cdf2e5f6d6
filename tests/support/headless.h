#pragma once
// Runs the real program frame by frame under SDL's dummy video driver:
// events go through SDL's own queue, the pointer is moved with
// SDL_WarpMouse, and the display can be read after any frame.

#include <SDL.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "support/colour.h"
#include "support/files.h"

class THeadless {
public:
    // Opens the log in a fresh temporary folder and starts the program as
    // main does; the destructor shuts it down as main does.
    THeadless();
    ~THeadless();
    THeadless(const THeadless&) = delete;
    THeadless& operator=(const THeadless&) = delete;

    // Action to run once frame Frame has been shown (0: before the first
    // frame). Events pushed there are seen by the poll of frame Frame + 1.
    void On(int Frame, std::function<void()> Action);

    // Runs the screen loop frame by frame until the program ends by itself
    // or MaxFrames frames have been shown; returns the number of frames shown.
    int Run(int MaxFrames);
    // The same with Frame in place of the screen loop's RunScreenFrame.
    int Run(int MaxFrames, const std::function<bool()>& Frame);

    std::filesystem::path LogPath() const;

private:
    TTempFolder Folder;
    std::multimap<int, std::function<void()>> Actions;
    int Shown = 0;
    void RunActions(int Frame);
};

// A click on display pixel (X, Y): pressed in frame Frame, released in the
// next one, as a user's click spans frames.
void ClickAt(THeadless& Program, int Frame, int X, int Y);

// A drag: pressed on (X1, Y1) in frame Frame, moved to (X2, Y2) for the next
// frame, released there in the frame after.
void DragAt(THeadless& Program, int Frame, int X1, int Y1, int X2, int Y2);

// Input through SDL's queue. A button event is placed where SDL's pointer is
// when it is pushed.
void PushMouseButton(bool Down, Uint8 Button = SDL_BUTTON_LEFT);
// Unicode: the character a key-down types, as SDL_EnableUNICODE gives it.
void PushKey(SDLKey Symbol, bool Down, SDLMod Modifiers = KMOD_NONE, Uint16 Unicode = 0);
// A key's press and release, both at once.
void TapKey(SDLKey Symbol);
void PushQuit();
// Puts the pointer on display pixel (X, Y).
void MovePointer(int X, int Y);

// The display's pixel at zero-based (X, Y), and its colour parts.
Uint32 DisplayPixel(int X, int Y);
TRgb DisplayColour(int X, int Y);
// Zero-based display pixels that differ from Background.
std::set<std::pair<int, int>> PixelsOtherThan(Uint32 Background);
// Zero-based display pixels of exactly Colour, row by row.
std::vector<std::pair<int, int>> PixelsOf(const TRgb& Colour);
// The whole display, row by row.
std::vector<Uint32> CaptureDisplay();
