#include "app/video.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/data_folder.h"
#include "app/image_file.h"
#include "app/system_pointer.h"
#include "app/video_driver.h"
#include "input/input_state.h"
#include "draw/pixels.h"
#include "draw/surface.h"
#include "log/log_path.h"
#include "log/logger.h"

Uint32 VideoFlags = 0;
TSetVideoMode SetVideoModeFunction = SDL_SetVideoMode;

namespace {

constexpr int BitsPerPixel = 32;

// The sizes File's image may have (draw/display.h says why).
TImageBounds BoundsOf(const TImageEntry& File)
{
    return {File.MinWidth, File.MinHeight, File.MaxWidth, File.MaxHeight};
}

// What the opening under way is for, put before each of its error lines:
// "" at start-up, else which mode of a full-screen switch failed.
std::string Purpose;

void Fail(const std::string& Message)
{
    if (Log) Log->Error(Purpose + Message, "Initialize");
}

// With no display the program cannot start; this says how to give it one.
void ReportNoDisplay(const std::string& Reason)
{
    std::cerr << "kalmot: Could not initialize SDL : " << Reason
              << ". There is no display: run it from a desktop session, or headless under xvfb-run -s '-screen 0 "
                 "1024x768x24' "
              << RunningExecutablePath() << ", or with SDL_VIDEODRIVER=dummy to run it with none\n";
}

const char* ModeName(Uint32 Flags) { return (Flags & SDL_FULLSCREEN) != 0 ? "full screen" : "the window"; }

// InitVideo with Why put before its error lines.
bool OpenVideo(Uint32 Flags, const std::string& Why)
{
    Purpose = Why;
    const bool Opened = InitVideo(Flags);
    Purpose.clear();
    return Opened;
}

std::string SdlReason() { return SDL_GetError(); }

bool LoadImages()
{
    // Each file is read once; an image that shares a file with the one
    // before it (the fire's two empty images) is decoded from the same bytes.
    std::vector<uint8_t> Bytes;
    const char* BytesPath = nullptr;
    for (const TImageEntry& File : DisplayImages) {
        std::string Reason;
        const std::string Path = ImagePath(File.File);
        if (BytesPath == nullptr || std::strcmp(BytesPath, File.File) != 0) {
            std::optional<std::vector<uint8_t>> Read = ReadImageFile(Path, BoundsOf(File), Reason);
            if (!Read) {
                Fail("Couldn't load " + Path + " : " + Reason);
                return false;
            }
            Bytes = std::move(*Read);
            BytesPath = File.File;
        }
        TOwnedSurface Decoded(DecodeImage(Bytes, Reason));
        if (Decoded == nullptr) {
            Fail("Couldn't load " + Path + " : " + Reason);
            return false;
        }
        SDL_Surface* const Image = Decoded.get();
        SetImage(*File.Image, std::move(Decoded));
        const TImageBounds B = BoundsOf(File);
        if (Image->w < B.MinWidth || Image->h < B.MinHeight || Image->w > B.MaxWidth || Image->h > B.MaxHeight) {
            // The header said otherwise; the cells are read from what was decoded.
            Fail("Couldn't load " + Path + " : the image is " + std::to_string(Image->w) + "x" +
                 std::to_string(Image->h) + ", not within " + std::to_string(B.MinWidth) + "x" +
                 std::to_string(B.MinHeight) + " to " + std::to_string(B.MaxWidth) + "x" +
                 std::to_string(B.MaxHeight));
            return false;
        }
        if (File.Keyed) SetKeyColor(Image, 255, 0, 255);
    }
    return true;
}

// Replaces Image with its copy in the display's format (the colour key stays).
bool ConvertToDisplayFormat(SDL_Surface*& Image, const char* Name)
{
    TOwnedSurface Converted(SDL_DisplayFormat(Image));
    if (Converted == nullptr) {
        Fail("Couldn't convert " + ImagePath(Name) + " : " + SdlReason());
        return false;
    }
    SetImage(Image, std::move(Converted));
    return true;
}

} // namespace

std::vector<std::string> ImageFileNames()
{
    std::vector<std::string> Names;
    for (const TImageEntry& File : DisplayImages)
        if (std::find(Names.begin(), Names.end(), File.File) == Names.end()) Names.emplace_back(File.File);
    return Names;
}

bool InitVideo(Uint32 Flags)
{
    // Every simulation steps once per shown frame: with the flip waiting for
    // the screen's refresh that is once per refresh, not thousands of times
    // a second. A setting of the user's own wins.
    setenv("SDL12COMPAT_SYNC_TO_VBLANK", "1", 0);
    if (const std::string Reason = StartSdlVideo(); !Reason.empty()) {
        Fail("Could not initialize SDL : " + Reason);
        if (Purpose.empty()) ReportNoDisplay(Reason);
        return false;
    }

    std::string ModeReason;
    const bool ModeSet = RetryBriefly([&] {
        Screen = SetVideoModeFunction(DisplayWidth, DisplayHeight, BitsPerPixel, Flags | SDL_HWPALETTE);
        if (Screen != nullptr) return TTry::Succeeded;
        ModeReason = SdlReason();
        return TTry::Failed;
    });
    if (!ModeSet)
        Fail("Couldn't set " + std::to_string(DisplayWidth) + "x" + std::to_string(DisplayHeight) +
             " video mode : " + ModeReason);

    if (!LoadImages() || !ModeSet) {
        CloseVideo();
        return false;
    }
    ClipRect = MakeRect(0, 0, DisplayWidth, DisplayHeight);

    SDL_WM_SetCaption("Kalmot", nullptr);
    // Key presses carry the character they type, which names the Polish
    // letters (input/key_names.h); every new start of SDL needs it again.
    SDL_EnableUNICODE(1);
    HideSystemPointer((Flags & SDL_FULLSCREEN) != 0);

    // The pixel routines read the pointer and the font with the display's
    // pixel width, and the fire writes its scratch pixel with it.
    for (const TImageEntry& File : DisplayImages) {
        if (File.DisplayFormat && !ConvertToDisplayFormat(*File.Image, File.File)) {
            CloseVideo();
            return false;
        }
    }
    return true;
}

void CloseVideo()
{
    ReleaseImages();
    Screen = nullptr; // the display surface is SDL's: SDL_Quit releases it
    ReleaseSystemPointer();
    SDL_Quit();
}

void ToggleFullScreen()
{
    const Uint32 Previous = VideoFlags;
    const Uint32 Next = Previous == 0 ? SDL_FULLSCREEN : 0;
    CloseVideo();
    VideoFlags = Next;
    if (OpenVideo(Next, std::string("Couldn't switch to ") + ModeName(Next) + " : ")) return;
    // The running screen carries on in the mode that worked.
    VideoFlags = Previous;
    if (OpenVideo(Previous, std::string("Couldn't reopen ") + ModeName(Previous) + " : ")) return;
    throw TVideoLost();
}

void ResetVideoSettings()
{
    VideoFlags = 0;
    SetVideoModeFunction = SDL_SetVideoMode;
    ForgetVideoDriver();
}

void ClearScreen()
{
    SDL_Rect Whole = ClipRect;
    SDL_FillRect(Screen, &Whole, SDL_MapRGB(Screen->format, 0, 0, 0));
}

void DrawCursor()
{
    if (PointerTouched) return; // a finger needs no arrow under it
    const Uint32 Grey = SDL_MapRGB(Screen->format, 128, 128, 128);
    const SDL_Rect Whole = MakeRect(0, 0, MouseImage->w, MouseImage->h);
    BlitTinted(MouseImage, Whole, Screen, ClipRect, Grey, 64, MouseX + 3, MouseY + 3, true);
    BlitTinted(MouseImage, Whole, Screen, ClipRect, Grey, 128, MouseX + 2, MouseY + 2, true);
    BlitAt(MouseImage, ClipRect, Screen, ClipRect, MouseX, MouseY, true);
}
