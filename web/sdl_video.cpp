// SDL 1.2's start, video mode, flip, caption and pointer calls, on a canvas
// in the page. The page's script (shell.html) gives the canvas its size on
// the screen and takes it to the browser's full screen and back.
#include <SDL.h>
#include <emscripten.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <vector>

#include "web/error.h"
#include "web/surfaces.h"
#include "web/video_surface.h"

namespace {

bool Started = false;
SDL_Surface* Display = nullptr;
std::vector<Uint32> Frame; // the display as the canvas takes it: R, G, B, A bytes
bool PointerShown = true;
std::set<SDL_Cursor*> BlankCursors; // cursors without a single visible pixel
SDL_Cursor* Current = nullptr;

void ReleaseDisplay()
{
    if (Display == nullptr) return;
    WebSdl::FreeSurface(Display);
    Display = nullptr;
}

// The canvas's pointer: hidden while the program draws its own.
void ShowPointer()
{
    const bool Visible = PointerShown && BlankCursors.count(Current) == 0;
    EM_ASM({ Module.canvas.style.cursor = $0 ? 'default' : 'none'; }, Visible);
}

} // namespace

namespace WebSdl {

SDL_Surface* VideoSurface() { return Display; }

} // namespace WebSdl

int SDL_Init(Uint32 flags)
{
    if (flags & ~static_cast<Uint32>(SDL_INIT_VIDEO | SDL_INIT_NOPARACHUTE)) {
        WebSdl::SetError("Only the video subsystem is available in the browser");
        return -1;
    }
    Started = true;
    return 0;
}

void SDL_Quit(void)
{
    ReleaseDisplay();
    Started = false;
}

// The driver's name: one that shows what it draws.
char* SDL_VideoDriverName(char* namebuf, int maxlen)
{
    if (!Started || namebuf == nullptr || maxlen <= 0) return nullptr;
    std::snprintf(namebuf, static_cast<size_t>(maxlen), "%s", "browser");
    return namebuf;
}

SDL_Surface* SDL_SetVideoMode(int width, int height, int bpp, Uint32 flags)
{
    if (!Started) {
        WebSdl::SetError("Video subsystem has not been initialized");
        return nullptr;
    }
    if (bpp != 32 || width <= 0 || height <= 0) {
        WebSdl::SetError("Only 32-bit video modes are available in the browser");
        return nullptr;
    }
    ReleaseDisplay();
    Display = WebSdl::CreateSurface(SDL_SWSURFACE, width, height, 32, 0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0);
    if (Display == nullptr) return nullptr;
    Display->flags |= flags & SDL_FULLSCREEN;
    Frame.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 0xFF000000u);
    EM_ASM(
        {
            Module.canvas.width = $0;
            Module.canvas.height = $1;
            Module.kalmotFullScreen($2);
        },
        width, height, (flags & SDL_FULLSCREEN) != 0);
    ShowPointer();
    return Display;
}

SDL_Surface* SDL_GetVideoSurface(void) { return Display; }

// One pass from the display's 0x00RRGGBB to the canvas's bytes, one upload.
int SDL_Flip(SDL_Surface* screen)
{
    if (screen == nullptr || screen != Display) {
        WebSdl::SetError("SDL_Flip(): not the display surface");
        return -1;
    }
    const int W = Display->w, H = Display->h;
    for (int Y = 0; Y < H; ++Y) {
        const auto* In = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(Display->pixels) + Y * Display->pitch);
        Uint32* Out = Frame.data() + static_cast<size_t>(Y) * static_cast<size_t>(W);
        for (int X = 0; X < W; ++X) {
            const Uint32 P = In[X];
            Out[X] = 0xFF000000u | (P & 0x0000FF00u) | ((P >> 16) & 0xFFu) | ((P & 0xFFu) << 16);
        }
    }
    EM_ASM(
        {
            var Image = Module.kalmotImage;
            if (!Image || Image.data.buffer !== HEAPU8.buffer || Module.kalmotImageAt !== $0 || Image.width !== $1 ||
                Image.height !== $2) {
                Image = Module.kalmotImage = new ImageData(new Uint8ClampedArray(HEAPU8.buffer, $0, $1 * $2 * 4), $1, $2);
                Module.kalmotImageAt = $0;
            }
            if (!Module.kalmotContext) Module.kalmotContext = Module.canvas.getContext('2d', {alpha : false});
            Module.kalmotContext.putImageData(Image, 0, 0);
        },
        Frame.data(), W, H);
    return 0;
}

void SDL_WM_SetCaption(const char* title, const char*)
{
    if (title != nullptr) EM_ASM({ document.title = UTF8ToString($0); }, title);
}

int SDL_ShowCursor(int toggle)
{
    const int Was = PointerShown ? SDL_ENABLE : SDL_DISABLE;
    if (toggle == SDL_QUERY) return Was;
    PointerShown = toggle != SDL_DISABLE;
    ShowPointer();
    return Was;
}

// Only whether a cursor shows anything is kept: a visible one is the
// browser's own arrow.
SDL_Cursor* SDL_CreateCursor(Uint8* data, Uint8* mask, int w, int h, int hot_x, int hot_y)
{
    if (data == nullptr || mask == nullptr || w <= 0 || h <= 0 || w % 8 != 0) {
        WebSdl::SetError("Cursor width must be a multiple of 8");
        return nullptr;
    }
    auto* Cursor = static_cast<SDL_Cursor*>(std::calloc(1, sizeof(SDL_Cursor)));
    if (Cursor == nullptr) return nullptr;
    Cursor->area = SDL_Rect{0, 0, static_cast<Uint16>(w), static_cast<Uint16>(h)};
    Cursor->hot_x = static_cast<Sint16>(hot_x);
    Cursor->hot_y = static_cast<Sint16>(hot_y);
    const size_t Bytes = static_cast<size_t>(w / 8) * static_cast<size_t>(h);
    const bool Blank = std::all_of(data, data + Bytes, [](Uint8 B) { return B == 0; }) &&
                       std::all_of(mask, mask + Bytes, [](Uint8 B) { return B == 0; });
    if (Blank) BlankCursors.insert(Cursor);
    return Cursor;
}

void SDL_SetCursor(SDL_Cursor* cursor)
{
    if (cursor == nullptr) return;
    Current = cursor;
    ShowPointer();
}

void SDL_FreeCursor(SDL_Cursor* cursor)
{
    if (cursor == nullptr) return;
    if (Current == cursor) Current = nullptr;
    BlankCursors.erase(cursor);
    std::free(cursor);
}
