#pragma once
// When a surface is locked. Code that reads or writes a surface's pixels
// itself holds a TSurfaceLock on it around the whole operation (a line, a
// string, an area, a fire; never one per pixel), and no SDL blit or fill
// touches that surface while the lock is held. PutPixel and GetPixel take
// no lock: their callers hold it. So Screen is locked only around the
// program's own pixel loops, and only when SDL_MUSTLOCK says it must be.

#include <SDL.h>

// Keeps a surface's pixels addressable while it lives. It locks a surface
// that SDL_MUSTLOCK names, and a colour-keyed one: SDL may hold a keyed
// surface it has blitted only in its run-length form until it is locked.
// Other surfaces are left alone; locking them would change nothing.
class TSurfaceLock {
public:
    explicit TSurfaceLock(SDL_Surface* Surface)
        : Target(Surface), Needed(Surface != nullptr && NeedsLock(Surface)),
          Ok(Surface != nullptr && (!Needed || SDL_LockSurface(Surface) == 0))
    {
    }
    ~TSurfaceLock()
    {
        if (Needed && Ok) SDL_UnlockSurface(Target);
    }
    TSurfaceLock(const TSurfaceLock&) = delete;
    TSurfaceLock& operator=(const TSurfaceLock&) = delete;

    // The pixels may be read and written: the lock, if one was needed, was
    // granted and the surface has pixels.
    bool Locked() const { return Ok && Target->pixels != nullptr; }

    static bool NeedsLock(const SDL_Surface* Surface)
    {
        return SDL_MUSTLOCK(Surface) || (Surface->flags & SDL_SRCCOLORKEY) != 0;
    }

private:
    SDL_Surface* Target;
    bool Needed;
    bool Ok;
};
