#include "draw/display.h"

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

Uint32 MapColour(Uint8 Red, Uint8 Green, Uint8 Blue)
{
    return SDL_MapRGB(Screen->format, Red, Green, Blue);
}
