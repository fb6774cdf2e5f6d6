#include "app/frame.h"

#include "app/video.h"

std::function<void()> AfterFrame;

void FinishFrame()
{
    DrawCursor();
    SDL_Flip(Screen);
    if (AfterFrame) AfterFrame();
}
