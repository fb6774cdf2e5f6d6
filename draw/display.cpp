#include "draw/display.h"

#include <algorithm>

#include "draw/sheet_pixels.h"

SDL_Surface* Screen = nullptr;
SDL_Rect ClipRect = {0, 0, DisplayWidth, DisplayHeight};

SDL_Surface* MouseImage = nullptr;
SDL_Surface* FontImage = nullptr;
SDL_Surface* ButtonImage = nullptr;
SDL_Surface* CheckImage = nullptr;
SDL_Surface* RadioImage = nullptr;
SDL_Surface* WindowImage = nullptr;
SDL_Surface* EditImage = nullptr;
SDL_Surface* SpinImage = nullptr;
SDL_Surface* ProgressImage = nullptr;
SDL_Surface* EmptyImage = nullptr;
SDL_Surface* EmptyImage2 = nullptr;

namespace {

// Image now refers to Surface; the surface it referred to is freed when no
// other name refers to it.
void Rebind(SDL_Surface*& Image, SDL_Surface* Surface)
{
    SDL_Surface* const Previous = Image;
    Image = Surface;
    if (Previous == nullptr || Previous == Surface) return;
    const bool StillNamed = std::any_of(DisplayImages.begin(), DisplayImages.end(),
                                        [&](const TImageEntry& E) { return *E.Image == Previous; });
    if (!StillNamed) SDL_FreeSurface(Previous);
}

} // namespace

void SetImage(SDL_Surface*& Image, TOwnedSurface Surface) { Rebind(Image, Surface.release()); }

void ReleaseImages()
{
    ForgetSheetPixels();
    for (const TImageEntry& E : DisplayImages) Rebind(*E.Image, nullptr);
}

SDL_Surface* FireScratchImage()
{
    if (EmptyImage2 == nullptr) return nullptr;
    Rebind(EmptyImage, EmptyImage2);
    return EmptyImage;
}

Uint32 MapColour(Uint8 Red, Uint8 Green, Uint8 Blue)
{
    return SDL_MapRGB(Screen->format, Red, Green, Blue);
}
