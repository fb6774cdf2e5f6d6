#include "draw/surface.h"

#include <cstdint>

int OriginX = 0;
int OriginY = 0;

void ResetOrigin() { SetOrigin(0, 0); }

void SetOrigin(int X, int Y)
{
    OriginX = X;
    OriginY = Y;
}

SDL_Rect MakeRect(int X, int Y, int W, int H)
{
    return SDL_Rect{static_cast<Sint16>(X), static_cast<Sint16>(Y), static_cast<Uint16>(W),
                    static_cast<Uint16>(H)};
}

void SetKeyColor(SDL_Surface* Surface, Uint8 Red, Uint8 Green, Uint8 Blue)
{
    SDL_SetColorKey(Surface, SDL_SRCCOLORKEY | SDL_RLEACCEL, SDL_MapRGB(Surface->format, Red, Green, Blue));
}

SDL_Rect PlacedRect(const SDL_Rect& Base, int X, int Y, bool Centred)
{
    SDL_Rect Target = Base;
    Target.x = static_cast<Sint16>(static_cast<int64_t>(Base.x) + X);
    Target.y = static_cast<Sint16>(static_cast<int64_t>(Base.y) + Y);
    if (Centred) {
        Target.x = static_cast<Sint16>(Target.x + OriginX);
        Target.y = static_cast<Sint16>(Target.y + OriginY);
    }
    return Target;
}

void BlitAt(SDL_Surface* Source, const SDL_Rect& SourceRect, SDL_Surface* Destination,
            const SDL_Rect& Base, int X, int Y, bool Centred)
{
    SDL_Rect Cell = SourceRect; // SDL writes the clipped result into these copies
    SDL_Rect Target = PlacedRect(Base, X, Y, Centred);
    SDL_BlitSurface(Source, &Cell, Destination, &Target);
}
