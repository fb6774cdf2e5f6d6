// The images' one owner: a surface two names share is freed once, when the
// last of them lets it go. Each surface here carries extra references, so a
// free shows as a smaller count and a second free cannot reach freed memory.
#include <gtest/gtest.h>

#include "draw/display.h"

namespace {

SDL_Surface* NewSurface(int ExtraReferences)
{
    SDL_Surface* Surface = SDL_CreateRGBSurface(SDL_SWSURFACE, 1, 1, 32, 0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0);
    if (Surface != nullptr) Surface->refcount += ExtraReferences;
    return Surface;
}

void FreeAll(SDL_Surface* Surface)
{
    while (Surface->refcount > 1) SDL_FreeSurface(Surface);
    SDL_FreeSurface(Surface);
}

} // namespace

TEST(DisplayImages, FireScratchIsSharedAndEachSurfaceFreedOnce)
{
    SDL_Surface* const Own = NewSurface(1);
    SDL_Surface* const Shared = NewSurface(2);
    ASSERT_NE(Own, nullptr);
    ASSERT_NE(Shared, nullptr);
    SetImage(EmptyImage, TOwnedSurface(Own));
    SetImage(EmptyImage2, TOwnedSurface(Shared));

    EXPECT_EQ(FireScratchImage(), Shared);
    EXPECT_EQ(EmptyImage, Shared);
    EXPECT_EQ(Own->refcount, 1) << "the scratch's own surface is freed once";
    EXPECT_EQ(FireScratchImage(), Shared);
    EXPECT_EQ(Shared->refcount, 3) << "sharing again frees nothing";

    ReleaseImages();
    EXPECT_EQ(Shared->refcount, 2) << "two names, one surface, one free";
    EXPECT_EQ(EmptyImage, nullptr);
    EXPECT_EQ(EmptyImage2, nullptr);
    FreeAll(Own);
    FreeAll(Shared);
}

TEST(DisplayImages, ReplacingOneOfTwoSharingNamesKeepsTheSurfaceForTheOther)
{
    SDL_Surface* const Shared = NewSurface(1);
    SDL_Surface* const Fresh = NewSurface(1);
    ASSERT_NE(Shared, nullptr);
    ASSERT_NE(Fresh, nullptr);
    SetImage(EmptyImage2, TOwnedSurface(Shared));
    FireScratchImage();

    SetImage(EmptyImage2, TOwnedSurface(Fresh));
    EXPECT_EQ(Shared->refcount, 2) << "EmptyImage still draws from it";
    EXPECT_EQ(EmptyImage, Shared);
    SetImage(EmptyImage, nullptr);
    EXPECT_EQ(Shared->refcount, 1);

    ReleaseImages();
    EXPECT_EQ(Fresh->refcount, 1);
    FreeAll(Shared);
    FreeAll(Fresh);
}

TEST(DisplayImages, NoScratchWhileTheImagesAreNotLoaded)
{
    SDL_Surface* const Own = NewSurface(1);
    ASSERT_NE(Own, nullptr);
    SetImage(EmptyImage, TOwnedSurface(Own));
    EXPECT_EQ(FireScratchImage(), nullptr);
    EXPECT_EQ(EmptyImage, Own);
    EXPECT_EQ(Own->refcount, 2);
    ReleaseImages();
    EXPECT_EQ(Own->refcount, 1);
    FreeAll(Own);
}
