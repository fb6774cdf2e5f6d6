#include "app/system_pointer.h"

#include <SDL.h>

namespace {

SDL_Cursor* InvisibleCursor = nullptr;

// 16x16 pixels, none of them drawn: data and mask bits all clear.
SDL_Cursor* MakeInvisibleCursor()
{
    static Uint8 Data[2 * 16] = {};
    static Uint8 Mask[2 * 16] = {};
    return SDL_CreateCursor(Data, Mask, 16, 16, 0, 0);
}

} // namespace

void HideSystemPointer(bool FullScreen)
{
    if (FullScreen) {
        if (InvisibleCursor == nullptr) InvisibleCursor = MakeInvisibleCursor();
        if (InvisibleCursor != nullptr) {
            SDL_SetCursor(InvisibleCursor);
            SDL_ShowCursor(SDL_ENABLE);
            return;
        }
    }
    // Drivers without cursors of their own have nothing to hide either way.
    SDL_ShowCursor(SDL_DISABLE);
}

void ReleaseSystemPointer()
{
    if (InvisibleCursor == nullptr) return;
    SDL_FreeCursor(InvisibleCursor);
    InvisibleCursor = nullptr;
}
