#pragma once
// A surface the program made for itself (a copy, a strip, a converted
// image), freed when its holder goes, on every path.

#include <SDL.h>

#include <memory>

struct TSurfaceFree {
    void operator()(SDL_Surface* Surface) const { SDL_FreeSurface(Surface); }
};

using TOwnedSurface = std::unique_ptr<SDL_Surface, TSurfaceFree>;
