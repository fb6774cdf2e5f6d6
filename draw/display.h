#pragma once
// The display surface and the images every drawing operation reads. The
// video layer (app/video) opens, fills and releases them; everything else
// only draws through them.

#include <SDL.h>

extern SDL_Surface* Screen;  // the 800x600x32 display surface, null while closed
extern SDL_Rect ClipRect;    // (0, 0, 800, 600): base rectangle of every blit onto Screen

extern SDL_Surface* MouseImage;    // the pointer; display format, read pixel by pixel
extern SDL_Surface* FontImage;     // the font sheet; display format, read pixel by pixel
extern SDL_Surface* ButtonImage;
extern SDL_Surface* CheckImage;
extern SDL_Surface* RadioImage;
extern SDL_Surface* WindowImage;
extern SDL_Surface* EditImage;
extern SDL_Surface* SpinImage;
extern SDL_Surface* ProgressImage;
extern SDL_Surface* EmptyImage;    // one-pixel scratch of the fire; may alias EmptyImage2
extern SDL_Surface* EmptyImage2;

// Display size in pixels.
constexpr int DisplayWidth = 800;
constexpr int DisplayHeight = 600;

// The display-format pixel value for a colour.
Uint32 MapColour(Uint8 Red, Uint8 Green, Uint8 Blue);
