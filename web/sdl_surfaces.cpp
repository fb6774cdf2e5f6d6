// SDL 1.2's surface, colour key, alpha, blit, BMP and error calls, as the
// program makes them, on the browser layer's surfaces (surfaces.h). A call
// the program does not make is not here: using one fails at link time.
#include <SDL.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "web/error.h"
#include "web/surfaces.h"
#include "web/video_surface.h"

SDL_Surface* SDL_CreateRGBSurface(Uint32 flags, int width, int height, int depth, Uint32 Rmask, Uint32 Gmask,
                                  Uint32 Bmask, Uint32 Amask)
{
    return WebSdl::CreateSurface(flags, width, height, depth, Rmask, Gmask, Bmask, Amask);
}

void SDL_FreeSurface(SDL_Surface* surface)
{
    if (surface == WebSdl::VideoSurface()) return; // SDL_Quit releases the display
    WebSdl::FreeSurface(surface);
}

Uint32 SDL_MapRGB(const SDL_PixelFormat* const format, const Uint8 r, const Uint8 g, const Uint8 b)
{
    return WebSdl::MapRGB(format, r, g, b);
}

void SDL_GetRGB(Uint32 pixel, const SDL_PixelFormat* const fmt, Uint8* r, Uint8* g, Uint8* b)
{
    WebSdl::GetRGB(pixel, fmt, r, g, b);
}

int SDL_FillRect(SDL_Surface* dst, SDL_Rect* dstrect, Uint32 color) { return WebSdl::FillRect(dst, dstrect, color); }

int SDL_SetColorKey(SDL_Surface* surface, Uint32 flag, Uint32 key) { return WebSdl::SetColorKey(surface, flag, key); }

int SDL_SetAlpha(SDL_Surface* surface, Uint32 flag, Uint8 alpha) { return WebSdl::SetAlpha(surface, flag, alpha); }

int SDL_UpperBlit(SDL_Surface* src, SDL_Rect* srcrect, SDL_Surface* dst, SDL_Rect* dstrect)
{
    return WebSdl::UpperBlit(src, srcrect, dst, dstrect);
}

SDL_Surface* SDL_DisplayFormat(SDL_Surface* surface)
{
    SDL_Surface* const Display = WebSdl::VideoSurface();
    if (Display == nullptr) {
        WebSdl::SetError("No video mode has been set");
        return nullptr;
    }
    return WebSdl::ConvertSurface(surface, Display->format);
}

// The pixels are always plain: a lock only counts.
int SDL_LockSurface(SDL_Surface* surface)
{
    if (surface == nullptr) return -1;
    ++surface->locked;
    return 0;
}

void SDL_UnlockSurface(SDL_Surface* surface)
{
    if (surface != nullptr && surface->locked > 0) --surface->locked;
}

namespace {

int MemorySeek(SDL_RWops* Context, int Offset, int Whence)
{
    Uint8* const Base = Context->hidden.mem.base;
    Uint8* const Stop = Context->hidden.mem.stop;
    Uint8* From = Whence == RW_SEEK_SET ? Base : Whence == RW_SEEK_CUR ? Context->hidden.mem.here : Stop;
    const std::ptrdiff_t Position = (From - Base) + Offset;
    if (Position < 0 || Position > Stop - Base) {
        WebSdl::SetError("Seek out of range");
        return -1;
    }
    Context->hidden.mem.here = Base + Position;
    return static_cast<int>(Position);
}

int MemoryRead(SDL_RWops* Context, void* Destination, int Size, int Count)
{
    if (Size <= 0 || Count <= 0) return 0;
    const std::ptrdiff_t Left = Context->hidden.mem.stop - Context->hidden.mem.here;
    const int Whole = static_cast<int>(std::min<std::ptrdiff_t>(Count, Left / Size));
    std::memcpy(Destination, Context->hidden.mem.here, static_cast<size_t>(Whole) * static_cast<size_t>(Size));
    Context->hidden.mem.here += static_cast<std::ptrdiff_t>(Whole) * Size;
    return Whole;
}

int MemoryWrite(SDL_RWops*, const void*, int, int)
{
    WebSdl::SetError("Can't write to read-only memory");
    return -1;
}

int MemoryClose(SDL_RWops* Context)
{
    std::free(Context);
    return 0;
}

} // namespace

SDL_RWops* SDL_RWFromConstMem(const void* mem, int size)
{
    if (mem == nullptr || size < 0) {
        WebSdl::SetError("SDL_RWFromConstMem(): invalid memory");
        return nullptr;
    }
    auto* Ops = static_cast<SDL_RWops*>(std::calloc(1, sizeof(SDL_RWops)));
    if (Ops == nullptr) return nullptr;
    Ops->seek = MemorySeek;
    Ops->read = MemoryRead;
    Ops->write = MemoryWrite;
    Ops->close = MemoryClose;
    auto* Base = static_cast<Uint8*>(const_cast<void*>(mem));
    Ops->hidden.mem.base = Base;
    Ops->hidden.mem.here = Base;
    Ops->hidden.mem.stop = Base + size;
    return Ops;
}

SDL_Surface* SDL_LoadBMP_RW(SDL_RWops* src, int freesrc)
{
    if (src == nullptr) {
        WebSdl::SetError("Passed a NULL data source");
        return nullptr;
    }
    // Read through the source's own calls, whatever it is.
    std::vector<Uint8> Bytes;
    Uint8 Chunk[4096];
    for (int Got; (Got = src->read(src, Chunk, 1, static_cast<int>(sizeof Chunk))) > 0;)
        Bytes.insert(Bytes.end(), Chunk, Chunk + Got);
    SDL_Surface* const Image = WebSdl::LoadBMP(Bytes.data(), Bytes.size());
    if (freesrc) src->close(src);
    return Image;
}

char* SDL_GetError(void) { return const_cast<char*>(WebSdl::GetError()); }
