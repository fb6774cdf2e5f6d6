#pragma once
// The display surface and the images every drawing operation reads. The
// video layer (app/video) opens the display and loads the images; this
// module owns the images and frees them; everything else only draws
// through them.

#include <SDL.h>

#include "draw/owned_surface.h"

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
extern SDL_Surface* EmptyImage;    // the fire's one-pixel scratch; see FireScratchImage
extern SDL_Surface* EmptyImage2;

// Two of the names above may refer to one surface; it is freed when the
// last name that refers to it lets it go.

// Gives Image (one of the names above) Surface, freeing what it held unless
// another name still refers to that.
void SetImage(SDL_Surface*& Image, TOwnedSurface Surface);

// Frees every image, each surface once, forgets the pixels read from them
// (sheet_pixels.h) and sets every name to null.
void ReleaseImages();

// The surface the fire writes its colour into and blits from: EmptyImage,
// made to refer to the surface of EmptyImage2 (a separate surface it held is
// freed), so the scratch pixel shows in both. Null, changing nothing, while
// EmptyImage2 is not loaded.
SDL_Surface* FireScratchImage();

// Display size in pixels.
constexpr int DisplayWidth = 800;
constexpr int DisplayHeight = 600;

// The display-format pixel value for a colour.
Uint32 MapColour(Uint8 Red, Uint8 Green, Uint8 Blue);
