#pragma once
// The display surface and the images every drawing operation reads. The
// video layer (app/video) opens the display and loads the images; this
// module owns the images and frees them; everything else only draws
// through them.

#include <SDL.h>

#include <algorithm>
#include <array>
#include <cstddef>

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

// What a window does with an image while it draws (ui/window.h): its frame
// takes the window's alpha, its widgets a fainter one.
enum class TWindowAlpha { None, Frame, Widgets };

// One image: its name above, its file in the image folder, and how the
// program uses it.
struct TImageEntry {
    SDL_Surface** Image;
    const char* File;
    bool Keyed;         // magenta (255, 0, 255) is transparent: a sprite sheet
    bool DisplayFormat; // replaced by its copy in the display's format once loaded
    TWindowAlpha Alpha;
    // The sizes it may have, in pixels, both ends inclusive: at least what
    // every cell read from it needs, so a truncated or wrong file is refused
    // at start-up; at most twice that, so that a few bytes cannot claim a
    // picture of gigabytes. The pointer is drawn whole and the fire uses one
    // pixel of the empty image: both are held to 64x64.
    int MinWidth, MinHeight, MaxWidth, MaxHeight;
};

// The table of the images, in load order: the ten sheet files, the empty
// one loaded twice. Every list of the images reads it.
inline constexpr std::array<TImageEntry, 11> DisplayImages = {{
    {&MouseImage, "mouse.bmp", true, true, TWindowAlpha::None, 1, 1, 64, 64},
    {&FontImage, "font.bmp", true, true, TWindowAlpha::None, 904, 32, 2 * 904, 2 * 32},
    {&ButtonImage, "button.bmp", true, false, TWindowAlpha::Widgets, 7, 14, 2 * 7, 2 * 14},
    {&CheckImage, "check.bmp", true, false, TWindowAlpha::Widgets, 39, 26, 2 * 39, 2 * 26},
    {&RadioImage, "radio.bmp", true, false, TWindowAlpha::Widgets, 39, 26, 2 * 39, 2 * 26},
    {&WindowImage, "window.bmp", true, false, TWindowAlpha::Frame, 35, 27, 2 * 35, 2 * 27},
    {&EditImage, "edit.bmp", true, false, TWindowAlpha::Widgets, 8, 22, 2 * 8, 2 * 22},
    {&SpinImage, "spin.bmp", true, false, TWindowAlpha::Widgets, 45, 22, 2 * 45, 2 * 22},
    {&ProgressImage, "progress.bmp", true, false, TWindowAlpha::Widgets, 17, 17, 2 * 17, 2 * 17},
    {&EmptyImage, "empty.bmp", false, true, TWindowAlpha::None, 1, 1, 64, 64},
    {&EmptyImage2, "empty.bmp", false, true, TWindowAlpha::None, 1, 1, 64, 64},
}};

// How many of them are sprite sheets.
inline constexpr size_t KeyedImageCount = static_cast<size_t>(
    std::count_if(DisplayImages.begin(), DisplayImages.end(), [](const TImageEntry& E) { return E.Keyed; }));

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
