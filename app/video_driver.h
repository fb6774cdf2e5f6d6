#pragma once
// Which SDL video driver the display runs on, and starting SDL on it.
//
// When no display answers, SDL falls back without a word to a driver that
// opens no window ("offscreen"), and the program would run on unseen. Such
// a driver is taken only when the user asked for it with SDL_VIDEODRIVER
// (the tests and the benchmarks ask for "dummy"). The driver the first
// start chose is asked for by name at every later start (the full-screen
// switch), so a reopening never lands on another one. A start that fails is
// tried again for about half a second: an X server that has just lost its
// last client (a bare Xvfb, whose last client was our own closed display)
// resets itself and refuses connections meanwhile.

#include <SDL.h>

#include <functional>
#include <string>

// True for the SDL drivers that show nothing: "offscreen", "dummy" and
// "evdev" (the dummy driver reading the console's input).
bool ShowsNothing(const std::string& Driver);

// The name of the driver SDL's video runs on; "" while it is not started.
std::string RunningVideoDriver();

// Starts SDL's video: on the driver the first start chose, else on SDL's own
// choice, which must show something unless the user named a driver. Tried
// a few times (RetryBriefly), except for a fall-back when no display is
// named at all (neither DISPLAY nor WAYLAND_DISPLAY), which cannot pass. Returns "" once SDL is started, else why not
// (SDL is then not running).
std::string StartSdlVideo();

// Forgets the first start's driver (the next start lets SDL choose again)
// and puts back the pause between tries and SDL_Init.
void ForgetVideoDriver();

// Runs Attempt until it succeeds or fails for good, at most StartAttempts
// times with a pause of RetryPauseMs between tries (100; tests shorten it);
// returns whether it succeeded.
enum class TTry { Succeeded, Failed, FailedForGood };
constexpr int StartAttempts = 6;
extern int RetryPauseMs;
bool RetryBriefly(const std::function<TTry()>& Attempt);

// How SDL is started; tests replace it to play a start that fails or that
// falls back to a driver showing nothing.
using TInitSdl = int (*)(Uint32 Flags);
extern TInitSdl InitSdlFunction;
