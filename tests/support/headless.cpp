#include "support/headless.h"

#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <unistd.h>

#include "app/application.h"
#include "app/screen_loop.h"
#include "draw/display.h"
#include "log/logger.h"

THeadless::THeadless()
{
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    Log = std::make_unique<TLogger>((Folder.Path() / "kalmot").string());
    if (!StartProgram()) {
        StopProgram();
        Log.reset();
        throw std::runtime_error("the display did not open; see " + LogPath().string());
    }
}

THeadless::~THeadless()
{
    StopProgram();
    Log.reset();
}

void THeadless::On(int Frame, std::function<void()> Action) { Actions.emplace(Frame, std::move(Action)); }

void THeadless::RunActions(int Frame)
{
    const auto [First, Last] = Actions.equal_range(Frame);
    for (auto It = First; It != Last; ++It) It->second();
}

int THeadless::Run(int MaxFrames)
{
    return Run(MaxFrames, [] { return RunScreenFrame(); });
}

int THeadless::Run(int MaxFrames, const std::function<bool()>& Frame)
{
    RunActions(0);
    while (Shown < MaxFrames) {
        const bool GoesOn = Frame();
        ++Shown;
        RunActions(Shown);
        if (!GoesOn) break;
    }
    return Shown;
}

std::filesystem::path THeadless::LogPath() const { return Folder.Path() / "kalmot.log"; }

void ClickAt(THeadless& Program, int Frame, int X, int Y)
{
    Program.On(Frame - 1, [=] {
        MovePointer(X, Y);
        PushMouseButton(true);
    });
    Program.On(Frame, [] { PushMouseButton(false); });
}

void DragAt(THeadless& Program, int Frame, int X1, int Y1, int X2, int Y2)
{
    Program.On(Frame - 1, [=] {
        MovePointer(X1, Y1);
        PushMouseButton(true);
    });
    Program.On(Frame, [=] { MovePointer(X2, Y2); });
    Program.On(Frame + 1, [] { PushMouseButton(false); });
}

void PushMouseButton(bool Down, Uint8 Button)
{
    SDL_Event E{};
    E.type = Down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    E.button.button = Button;
    E.button.state = Down ? SDL_PRESSED : SDL_RELEASED;
    // Where the pointer is, as SDL's own button events say.
    int X = 0, Y = 0;
    SDL_GetMouseState(&X, &Y);
    E.button.x = static_cast<Uint16>(X);
    E.button.y = static_cast<Uint16>(Y);
    SDL_PushEvent(&E);
}

void PushKey(SDLKey Symbol, bool Down, SDLMod Modifiers, Uint16 Unicode)
{
    SDL_Event E{};
    E.type = Down ? SDL_KEYDOWN : SDL_KEYUP;
    E.key.state = Down ? SDL_PRESSED : SDL_RELEASED;
    E.key.keysym.sym = Symbol;
    E.key.keysym.mod = Modifiers;
    E.key.keysym.unicode = Unicode;
    SDL_PushEvent(&E);
}

void TapKey(SDLKey Symbol)
{
    PushKey(Symbol, true);
    PushKey(Symbol, false);
}

void PushQuit()
{
    SDL_Event E{};
    E.type = SDL_QUIT;
    SDL_PushEvent(&E);
}

void MovePointer(int X, int Y) { SDL_WarpMouse(static_cast<Uint16>(X), static_cast<Uint16>(Y)); }

Uint32 DisplayPixel(int X, int Y)
{
    const auto* Row = static_cast<const Uint8*>(Screen->pixels) + Y * Screen->pitch;
    return reinterpret_cast<const Uint32*>(Row)[X];
}

TRgb DisplayColour(int X, int Y)
{
    TRgb C{};
    SDL_GetRGB(DisplayPixel(X, Y), Screen->format, &C.R, &C.G, &C.B);
    return C;
}

std::vector<Uint32> CaptureDisplay()
{
    std::vector<Uint32> Pixels(static_cast<size_t>(Screen->w) * Screen->h);
    for (int Y = 0; Y < Screen->h; ++Y)
        std::memcpy(&Pixels[static_cast<size_t>(Y) * Screen->w], static_cast<const Uint8*>(Screen->pixels) + Y * Screen->pitch,
                    static_cast<size_t>(Screen->w) * sizeof(Uint32));
    return Pixels;
}

std::set<std::pair<int, int>> PixelsOtherThan(Uint32 Background)
{
    std::set<std::pair<int, int>> Points;
    for (int Y = 0; Y < Screen->h; ++Y)
        for (int X = 0; X < Screen->w; ++X)
            if (DisplayPixel(X, Y) != Background) Points.insert({X, Y});
    return Points;
}

std::vector<std::pair<int, int>> PixelsOf(const TRgb& Colour)
{
    std::vector<std::pair<int, int>> Found;
    for (int Y = 0; Y < Screen->h; ++Y)
        for (int X = 0; X < Screen->w; ++X)
            if (DisplayColour(X, Y) == Colour) Found.push_back({X, Y});
    return Found;
}
