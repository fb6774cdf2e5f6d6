// The desktop build's frames that the browser test holds the browser's to,
// made by the real program under SDL's dummy driver from the same input:
//   kalmot_web_reference <folder>
// writes <folder>/menu.ppm, the first menu frame with the pointer parked off
// the windows, <folder>/settled.ppm, the menu with the pointer there once its
// windows have ended their fades, <folder>/typed.ppm, the menu once "kalmot" has been typed
// into the test window's edit and the display has settled, <folder>/stepped.ppm,
// the menu once the spin edit's up arrow and then the edit have been clicked
// (51) and the display has settled, and <folder>/points.json, the places and
// the word, for the browser's side.
#include <SDL.h>

#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/headless.h"

namespace {

// Off both menu windows ("Menu" (100, 100)-(320, 295), "Test" (350, 150)-(650, 450)).
constexpr int ParkX = 700, ParkY = 550;
// Inside the edit's text area, x 364..489, y 181..200.
constexpr int EditX = 420, EditY = 185;
// On the spin edit's up arrow, (498, 204)-(513, 215).
constexpr int UpX = 510, UpY = 208;
constexpr const char* TypedWord = "kalmot";
// Frames after the last input for the windows' fades to end.
constexpr int SettleFrames = 120;

void WritePpm(const std::string& Path, const std::vector<Uint32>& Pixels)
{
    std::ofstream Out(Path, std::ios::binary);
    Out << "P6\n800 600\n255\n";
    for (const Uint32 P : Pixels) {
        const char Rgb[3] = {static_cast<char>(P >> 16), static_cast<char>(P >> 8), static_cast<char>(P)};
        Out.write(Rgb, 3);
    }
    if (!Out) throw std::runtime_error("cannot write " + Path);
}

// A key as the browser's keyboard gives it: with the character it types.
void PushTypedKey(char Letter, bool Down)
{
    SDL_Event E{};
    E.type = Down ? SDL_KEYDOWN : SDL_KEYUP;
    E.key.state = Down ? SDL_PRESSED : SDL_RELEASED;
    E.key.keysym.sym = static_cast<SDLKey>(Letter);
    E.key.keysym.unicode = Down ? static_cast<Uint16>(Letter) : 0;
    SDL_PushEvent(&E);
}

} // namespace

int main(int Argc, char** Argv)
{
    if (Argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", Argv[0]);
        return 2;
    }
    const std::string Folder = Argv[1];
    std::ofstream(Folder + "/points.json") << "{\"park\": [" << ParkX << ", " << ParkY << "], \"edit\": [" << EditX
                                           << ", " << EditY << "], \"up\": [" << UpX << ", " << UpY << "], \"word\": \"" << TypedWord
                                           << "\", \"settleFrames\": " << SettleFrames << "}\n";
    {
        THeadless Program;
        Program.On(0, [] { MovePointer(ParkX, ParkY); });
        Program.Run(1);
        WritePpm(Folder + "/menu.ppm", CaptureDisplay());
        Program.Run(1 + SettleFrames);
        WritePpm(Folder + "/settled.ppm", CaptureDisplay());
    }
    {
        THeadless Program;
        Program.On(0, [] { MovePointer(ParkX, ParkY); });
        ClickAt(Program, 3, EditX, EditY);
        int Frame = 6;
        for (const char Letter : std::string(TypedWord)) {
            Program.On(Frame++, [=] { PushTypedKey(Letter, true); });
            Program.On(Frame++, [=] { PushTypedKey(Letter, false); });
        }
        Program.On(Frame, [] { MovePointer(ParkX, ParkY); });
        Program.Run(Frame + SettleFrames);
        WritePpm(Folder + "/typed.ppm", CaptureDisplay());
    }
    {
        THeadless Program;
        Program.On(0, [] { MovePointer(ParkX, ParkY); });
        ClickAt(Program, 3, UpX, UpY);
        ClickAt(Program, 6, EditX, EditY);
        Program.On(8, [] { MovePointer(ParkX, ParkY); });
        Program.Run(8 + SettleFrames);
        WritePpm(Folder + "/stepped.ppm", CaptureDisplay());
    }
    return 0;
}
