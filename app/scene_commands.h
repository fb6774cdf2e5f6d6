#pragma once
// Scenes on the particle screen: Ctrl+S keeps the world as a scene
// (scene_place.h), Ctrl+O offers the newest scenes in a window "Sceny", and
// a scene opened (from the list, the command line or the page) takes the
// world's place and starts paused, so the user sees exactly the saved
// moment. A scene refused, or one that cannot be kept, gets a window of its
// own naming the file and the reason, and an error line in the log; the
// world stays as it was. A scene kept or opened is said in the top strip.
//
// The particle screen's frame with scenes, in this order:
//   the poll             while a scene window shows, the screen's reaction
//                        to events is skipped and Esc closes the window
//   BeginSceneFrame      Ctrl+S keeps the world as it is drawn this frame;
//                        Ctrl+O shows the list; a scene window takes the
//                        frame's mouse and keys and hides them from the screen
//   the screen's frame
//   EndSceneFrame        gives the input back, draws the scene window, and
//                        puts a scene opened in this frame in the world's
//                        place, paused, to be drawn from the next frame on

#include <SDL.h>
#include <string>
#include <string_view>

struct TParticleScreen;

// The file the program was started with (kalmot FILE): the particle screen
// is the first, opening it.
void OpenSceneAtStart(const std::string& Path);

// Whether the program starts on the particle screen with a scene.
bool SceneAtStart();

// A scene handed over as bytes (the page's address, its file picker, a
// file dropped on it), by the name Name: shown on the particle screen, which
// is entered if another runs; refused as any file is.
void OpenSceneBytes(std::string_view Bytes, const std::string& Name);

// Whether a scene window shows over the particle screen.
bool SceneWindowShown();

// The poll's reaction to one event while a scene window shows: Esc closes
// it. Returns whether the event is kept from the screen.
bool TakeSceneEvent(const SDL_Event& E);

// A scene waiting to be opened takes the new screen's world; called once the
// particle screen's state is created.
void EnterSceneScreen(TParticleScreen& S);

void BeginSceneFrame(TParticleScreen& S);
void EndSceneFrame(TParticleScreen& S);

// No scene window, nothing waiting.
void ResetScenes();
