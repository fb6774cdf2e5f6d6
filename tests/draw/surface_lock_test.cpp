// TSurfaceLock locks the surfaces that need it and gives the lock back on
// every way out of its scope. SDL refuses to blit a locked surface, so a
// blit shows whether a lock is held.
#include <gtest/gtest.h>

#include <stdexcept>

#include "draw/owned_surface.h"
#include "draw/surface_lock.h"

namespace {

class SurfaceLock : public ::testing::Test {
protected:
    TOwnedSurface Keyed{NewSurface()};
    TOwnedSurface Plain{NewSurface()};
    TOwnedSurface Target{NewSurface()};

    void SetUp() override
    {
        ASSERT_NE(Keyed, nullptr);
        ASSERT_NE(Plain, nullptr);
        ASSERT_NE(Target, nullptr);
        SDL_SetColorKey(Keyed.get(), SDL_SRCCOLORKEY | SDL_RLEACCEL, 0xFF00FF);
    }

    static SDL_Surface* NewSurface()
    {
        return SDL_CreateRGBSurface(SDL_SWSURFACE, 8, 8, 32, 0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0);
    }

    bool Blits(SDL_Surface* Source)
    {
        SDL_Rect From{0, 0, 8, 8};
        SDL_Rect To{0, 0, 0, 0};
        return SDL_BlitSurface(Source, &From, Target.get(), &To) == 0;
    }

    // Returns early when Leave says so, with the lock still in scope.
    bool ReadWhileLocked(SDL_Surface* Surface, bool Leave)
    {
        const TSurfaceLock Lock(Surface);
        if (Leave) return Lock.Locked();
        if (Blits(Surface)) ADD_FAILURE() << "a keyed surface is locked while the guard lives";
        return Lock.Locked();
    }
};

} // namespace

TEST_F(SurfaceLock, KeyedSurfaceIsLockedAndUnlockedOnEveryWayOut)
{
    EXPECT_TRUE(ReadWhileLocked(Keyed.get(), false));
    EXPECT_TRUE(Blits(Keyed.get())) << "after the scope ends";
    EXPECT_TRUE(ReadWhileLocked(Keyed.get(), true));
    EXPECT_TRUE(Blits(Keyed.get())) << "after an early return";
    try {
        const TSurfaceLock Lock(Keyed.get());
        throw std::runtime_error("drawing failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_TRUE(Blits(Keyed.get())) << "after an exception";
}

TEST_F(SurfaceLock, SurfaceThatNeedsNoLockIsLeftAloneAndStillReadable)
{
    const TSurfaceLock Lock(Plain.get());
    EXPECT_TRUE(Lock.Locked());
    EXPECT_TRUE(Blits(Plain.get()));
}

TEST_F(SurfaceLock, NoSurfaceMeansNoPixels)
{
    const TSurfaceLock Lock(nullptr);
    EXPECT_FALSE(Lock.Locked());
}
