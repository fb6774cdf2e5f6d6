// The browser layer's surfaces, fills, conversions and blits against
// sdl12-compat's: the same operation on the same pixels must leave the same
// bytes, rectangles and fields, for every blend, key and clip case the
// program uses.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "draw/display.h"
#include "support/headless.h"
#include "web/error.h"
#include "web/surfaces.h"

namespace {

struct TSdlFree {
    void operator()(SDL_Surface* S) const { SDL_FreeSurface(S); }
};
struct TWebFree {
    void operator()(SDL_Surface* S) const { WebSdl::FreeSurface(S); }
};
using TSdlSurface = std::unique_ptr<SDL_Surface, TSdlFree>;
using TWebSurface = std::unique_ptr<SDL_Surface, TWebFree>;

constexpr Uint32 Magenta = 0x00FF00FF;

// One surface made twice, by SDL and by the layer, with the same pixels.
struct TPair {
    TSdlSurface Sdl;
    TWebSurface Web;
};

class WebSurfaces : public ::testing::Test {
protected:
    THeadless Program; // DisplayFormat needs a display
    std::mt19937 Random{20261208};

    // Random pixels, top byte included; about one in four of them the key
    // (in 32 bits also the key's colour under another top byte, which is no key).
    TPair MakePair(int Depth, int W, int H, bool WithKeys)
    {
        TPair P{TSdlSurface(SDL_CreateRGBSurface(SDL_SWSURFACE, W, H, Depth, 0xFF0000, 0xFF00, 0xFF, 0)),
                TWebSurface(WebSdl::CreateSurface(SDL_SWSURFACE, W, H, Depth, 0xFF0000, 0xFF00, 0xFF, 0))};
        EXPECT_NE(P.Sdl, nullptr);
        EXPECT_NE(P.Web, nullptr);
        EXPECT_EQ(P.Sdl->pitch, P.Web->pitch);
        const int Bytes = Depth / 8;
        for (int Y = 0; Y < H; ++Y)
            for (int X = 0; X < W; ++X) {
                Uint32 V = static_cast<Uint32>(Random());
                if (WithKeys && V % 4 == 0) V = (V % 8 == 0) ? Magenta : (Magenta | 0x7F000000u);
                std::memcpy(static_cast<Uint8*>(P.Sdl->pixels) + Y * P.Sdl->pitch + X * Bytes, &V, Bytes);
                std::memcpy(static_cast<Uint8*>(P.Web->pixels) + Y * P.Web->pitch + X * Bytes, &V, Bytes);
            }
        return P;
    }

    static void ExpectSame(const TPair& P, const std::string& What)
    {
        ASSERT_EQ(P.Sdl->w, P.Web->w) << What;
        ASSERT_EQ(P.Sdl->h, P.Web->h) << What;
        ASSERT_EQ(P.Sdl->format->BytesPerPixel, P.Web->format->BytesPerPixel) << What;
        const size_t RowBytes = static_cast<size_t>(P.Sdl->w) * P.Sdl->format->BytesPerPixel;
        int Differing = 0;
        for (int Y = 0; Y < P.Sdl->h; ++Y)
            Differing += std::memcmp(static_cast<Uint8*>(P.Sdl->pixels) + Y * P.Sdl->pitch,
                                     static_cast<Uint8*>(P.Web->pixels) + Y * P.Web->pitch, RowBytes) != 0;
        EXPECT_EQ(Differing, 0) << What << ": rows that differ";
    }

    static void ExpectSameFields(const SDL_Surface* Sdl, const SDL_Surface* Web, const std::string& What)
    {
        const Uint32 Kept = SDL_SRCCOLORKEY | SDL_SRCALPHA;
        EXPECT_EQ(Sdl->flags & Kept, Web->flags & Kept) << What;
        EXPECT_EQ(Sdl->format->colorkey, Web->format->colorkey) << What;
        EXPECT_EQ(Sdl->format->alpha, Web->format->alpha) << What;
        EXPECT_EQ(Sdl->format->BitsPerPixel, Web->format->BitsPerPixel) << What;
        EXPECT_EQ(Sdl->format->Rmask, Web->format->Rmask) << What;
        EXPECT_EQ(Sdl->format->Amask, Web->format->Amask) << What;
        EXPECT_EQ(Sdl->format->Rshift, Web->format->Rshift) << What;
        EXPECT_EQ(Sdl->format->Aloss, Web->format->Aloss) << What;
        EXPECT_EQ(Sdl->pitch, Web->pitch) << What;
    }

    // Key (with the RLE flag, as SetKeyColor asks) and alpha (negative: none)
    // given to both, through each one's own calls.
    static void Prepare(const TPair& P, bool Keyed, int Alpha)
    {
        if (Keyed) {
            SDL_SetColorKey(P.Sdl.get(), SDL_SRCCOLORKEY | SDL_RLEACCEL, Magenta);
            WebSdl::SetColorKey(P.Web.get(), SDL_SRCCOLORKEY | SDL_RLEACCEL, Magenta);
        }
        if (Alpha >= 0) {
            // The fire and the pointer's shadows pass the key's bit along.
            SDL_SetAlpha(P.Sdl.get(), SDL_SRCALPHA | SDL_SRCCOLORKEY, static_cast<Uint8>(Alpha));
            WebSdl::SetAlpha(P.Web.get(), SDL_SRCALPHA | SDL_SRCCOLORKEY, static_cast<Uint8>(Alpha));
        }
        ExpectSameFields(P.Sdl.get(), P.Web.get(), "after keying");
    }
};

struct TPlace {
    bool NullSource, NullTarget;
    SDL_Rect From;
    Sint16 X, Y;
};

TEST_F(WebSurfaces, BlitsBlendKeyAndClipAsSdlDoes)
{
    // Pieces inside, across each edge of the target and of the source,
    // wholly outside, and without rectangles.
    const std::vector<TPlace> Places = {
        {false, false, {0, 0, 9, 7}, 3, 2},    {false, false, {2, 1, 5, 4}, 60, 40},
        {false, false, {0, 0, 9, 7}, -4, -3},  {false, false, {0, 0, 9, 7}, 58, 44},
        {false, false, {-3, -2, 9, 7}, 5, 5},  {false, false, {4, 3, 20, 20}, 10, 10},
        {false, false, {0, 0, 9, 7}, 80, 10},  {false, false, {0, 0, 9, 7}, -30, 10},
        {false, false, {12, 0, 3, 3}, 0, 0},   {true, false, {}, 7, 9},
        {false, true, {1, 1, 6, 5}, 0, 0},     {true, true, {}, 0, 0},
    };
    for (const int Depth : {24, 32})
        for (const bool Keyed : {false, true})
            for (const int Alpha : {-1, 0, 1, 37, 64, 127, 128, 129, 200, 254, 255})
                for (const int Width : {1, 3, 9, 17}) {
                    const TPair Source = MakePair(Depth, Width, 7, Keyed);
                    Prepare(Source, Keyed, Alpha);
                    for (const TPlace& Place : Places) {
                        const TPair Target = MakePair(32, 64, 48, false);
                        SDL_Rect SdlFrom = Place.From, WebFrom = Place.From;
                        SDL_Rect SdlTo{Place.X, Place.Y, 0, 0}, WebTo = SdlTo;
                        const int SdlResult =
                            SDL_BlitSurface(Source.Sdl.get(), Place.NullSource ? nullptr : &SdlFrom, Target.Sdl.get(),
                                            Place.NullTarget ? nullptr : &SdlTo);
                        const int WebResult =
                            WebSdl::UpperBlit(Source.Web.get(), Place.NullSource ? nullptr : &WebFrom,
                                              Target.Web.get(), Place.NullTarget ? nullptr : &WebTo);
                        const std::string What = "depth " + std::to_string(Depth) + (Keyed ? " keyed" : "") +
                                                 " alpha " + std::to_string(Alpha) + " width " +
                                                 std::to_string(Width) + " at " + std::to_string(Place.X) + "," +
                                                 std::to_string(Place.Y);
                        EXPECT_EQ(SdlResult, WebResult) << What;
                        EXPECT_EQ(SdlTo.x, WebTo.x) << What;
                        EXPECT_EQ(SdlTo.y, WebTo.y) << What;
                        EXPECT_EQ(SdlTo.w, WebTo.w) << What;
                        EXPECT_EQ(SdlTo.h, WebTo.h) << What;
                        ExpectSame(Target, What);
                    }
                }
}

TEST_F(WebSurfaces, FillsAreClippedAndWrittenBackAsSdlDoes)
{
    const std::vector<SDL_Rect> Rects = {{3, 4, 10, 6}, {-5, -5, 10, 10}, {60, 40, 20, 20}, {70, 2, 5, 5}, {0, 0, 64, 48}};
    for (const int Depth : {24, 32}) {
        const TPair Target = MakePair(Depth, 64, 48, false);
        for (const SDL_Rect& R : Rects) {
            SDL_Rect SdlRect = R, WebRect = R;
            const Uint32 Colour = static_cast<Uint32>(Random());
            EXPECT_EQ(SDL_FillRect(Target.Sdl.get(), &SdlRect, Colour), WebSdl::FillRect(Target.Web.get(), &WebRect, Colour));
            const std::string What = "depth " + std::to_string(Depth) + " fill at " + std::to_string(R.x) + "," +
                                     std::to_string(R.y);
            if (SdlRect.w > 0) {
                EXPECT_EQ(SdlRect.x, WebRect.x) << What;
                EXPECT_EQ(SdlRect.y, WebRect.y) << What;
            }
            EXPECT_EQ(SdlRect.w, WebRect.w) << What;
            EXPECT_EQ(SdlRect.h, WebRect.h) << What;
            ExpectSame(Target, What);
        }
        const Uint32 Key = Magenta;
        SDL_FillRect(Target.Sdl.get(), nullptr, Key);
        WebSdl::FillRect(Target.Web.get(), nullptr, Key);
        ExpectSame(Target, "whole fill");
    }
}

TEST_F(WebSurfaces, DisplayFormatCopiesKeepKeyAndAlphaAsSdlDoes)
{
    for (const int Depth : {24, 32})
        for (const bool Keyed : {false, true})
            for (const int Alpha : {-1, 128, 255}) {
                const TPair Source = MakePair(Depth, 13, 5, Keyed);
                Prepare(Source, Keyed, Alpha);
                TPair Copy{TSdlSurface(SDL_DisplayFormat(Source.Sdl.get())),
                           TWebSurface(WebSdl::ConvertSurface(Source.Web.get(), Screen->format))};
                const std::string What = "depth " + std::to_string(Depth) + (Keyed ? " keyed" : "") + " alpha " +
                                         std::to_string(Alpha);
                ASSERT_NE(Copy.Sdl, nullptr) << What;
                ASSERT_NE(Copy.Web, nullptr) << What;
                ExpectSameFields(Copy.Sdl.get(), Copy.Web.get(), What);
                ExpectSame(Copy, What);
                EXPECT_EQ(SDL_MapRGB(Copy.Sdl->format, 255, 0, 255), WebSdl::MapRGB(Copy.Web->format, 255, 0, 255));
                EXPECT_EQ(SDL_MapRGB(Copy.Sdl->format, 1, 128, 254), WebSdl::MapRGB(Copy.Web->format, 1, 128, 254));
                for (const Uint32 Pixel : {0xAB804020u, 0x00FF00FFu, static_cast<Uint32>(Random())}) {
                    Uint8 Sdl[3], Web[3];
                    SDL_GetRGB(Pixel, Copy.Sdl->format, &Sdl[0], &Sdl[1], &Sdl[2]);
                    WebSdl::GetRGB(Pixel, Copy.Web->format, &Web[0], &Web[1], &Web[2]);
                    EXPECT_EQ(std::memcmp(Sdl, Web, 3), 0) << What << " reading " << std::hex << Pixel;
                }
            }
}

TEST_F(WebSurfaces, LoadsTheSheetsAsSdlDoes)
{
    for (const TImageEntry& Sheet : DisplayImages) {
        const std::string Path = std::string(KALMOT_SOURCE_DIR) + "/data/images/" + Sheet.File;
        std::ifstream File(Path, std::ios::binary);
        const std::vector<Uint8> Bytes((std::istreambuf_iterator<char>(File)), std::istreambuf_iterator<char>());
        ASSERT_FALSE(Bytes.empty()) << Path;
        TPair Image{TSdlSurface(SDL_LoadBMP(Path.c_str())), TWebSurface(WebSdl::LoadBMP(Bytes.data(), Bytes.size()))};
        ASSERT_NE(Image.Sdl, nullptr) << Path;
        ASSERT_NE(Image.Web, nullptr) << Path;
        ExpectSameFields(Image.Sdl.get(), Image.Web.get(), Path);
        ExpectSame(Image, Path);
    }
    // A file cut short is refused, not read past its end.
    const std::vector<Uint8> Header(60, 0);
    EXPECT_EQ(WebSdl::LoadBMP(Header.data(), Header.size()), nullptr);
}

TEST_F(WebSurfaces, RefusalsSaySo)
{
    // Rows stored top-down: a sheet with its height negated, which the
    // program's header check refuses as well.
    const std::string Path = std::string(KALMOT_SOURCE_DIR) + "/data/images/button.bmp";
    std::ifstream File(Path, std::ios::binary);
    std::vector<Uint8> Bytes((std::istreambuf_iterator<char>(File)), std::istreambuf_iterator<char>());
    ASSERT_GT(Bytes.size(), 26u) << Path;
    int32_t Height = 0;
    std::memcpy(&Height, &Bytes[22], 4);
    Height = -Height;
    std::memcpy(&Bytes[22], &Height, 4);
    WebSdl::SetError("");
    EXPECT_EQ(WebSdl::LoadBMP(Bytes.data(), Bytes.size()), nullptr);
    EXPECT_STRNE(WebSdl::GetError(), "");

    WebSdl::SetError("");
    EXPECT_EQ(WebSdl::SetColorKey(nullptr, SDL_SRCCOLORKEY, 0), -1);
    EXPECT_STRNE(WebSdl::GetError(), "");
    WebSdl::SetError("");
    EXPECT_EQ(WebSdl::SetAlpha(nullptr, SDL_SRCALPHA, 128), -1);
    EXPECT_STRNE(WebSdl::GetError(), "");
}

} // namespace
