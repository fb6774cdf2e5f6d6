#pragma once
// The display surface SDL_SetVideoMode made, null while there is none.

#include <SDL.h>

namespace WebSdl {

SDL_Surface* VideoSurface();

} // namespace WebSdl
