// The desktop's side of the screen size seam (screen_size.h): SDL's video,
// started briefly for the question and ended again.
#include "app/screen_size.h"

#include <SDL.h>

bool ScreenSize(int& Width, int& Height)
{
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return false;
    // Before any mode is set, sdl12-compat reports the desktop's size.
    const SDL_VideoInfo* Info = SDL_GetVideoInfo();
    const bool Known = Info != nullptr && Info->current_w > 0 && Info->current_h > 0;
    if (Known) {
        Width = Info->current_w;
        Height = Info->current_h;
    }
    SDL_Quit();
    return Known;
}
