// Preloaded into the program by pace.sh: counts the frames it shows, each
// SDL_Flip, and keeps the count in the file that KALMOT_FLIP_COUNT names,
// rewritten in place after every frame, so a test reads the frame rate
// from outside without the program knowing.
#include <SDL.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

extern "C" int SDL_Flip(SDL_Surface* Screen)
{
    using TFlip = int (*)(SDL_Surface*);
    static const auto Real = reinterpret_cast<TFlip>(dlsym(RTLD_NEXT, "SDL_Flip"));
    static const int File = [] {
        const char* Path = std::getenv("KALMOT_FLIP_COUNT");
        return Path != nullptr ? open(Path, O_WRONLY | O_CREAT | O_TRUNC, 0644) : -1;
    }();
    static unsigned long Frames = 0;
    const int Result = Real(Screen);
    ++Frames;
    if (File >= 0) {
        char Text[32];
        const int Length = std::snprintf(Text, sizeof Text, "%20lu\n", Frames);
        if (pwrite(File, Text, static_cast<size_t>(Length), 0) != Length) std::perror("flip counter");
    }
    return Result;
}
