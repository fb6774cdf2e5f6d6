#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "draw/blit_blend.h"
#include "draw/display.h"
#include "draw/pixels.h"
#include "draw/surface.h"
#include "support/headless.h"

TEST(BlitBlend, MatchesOnePixelBlitsForEveryFireColourOpacityAndBackground)
{
    // Every colour field value the fire's colours use (0, the even values to
    // 254, and 255), at every opacity, over every destination value and top
    // byte, each through a real one-pixel blit from the fire's scratch surface.
    THeadless Program;
    std::vector<Uint8> Fields;
    for (int V = 0; V <= 254; V += 2) Fields.push_back(static_cast<Uint8>(V));
    Fields.push_back(255);
    const size_t Count = Fields.size(); // 129: one display row each
    const auto DestinationFor = [](Uint32 D) {
        return ((D * 37 + 11) & 0xFF) << 24 | D << 16 | ((D + 85) & 0xFF) << 8 | (255 - D);
    };
    long Checked = 0, Wrong = 0;
    for (int Alpha = 0; Alpha <= 255; ++Alpha) {
        SDL_SetAlpha(EmptyImage2, SDL_SRCALPHA | SDL_SRCCOLORKEY, static_cast<Uint8>(Alpha));
        for (size_t K = 0; K < Count; ++K) {
            // Each field takes a different value, so every field meets every pair.
            const Uint32 Source = MapColour(Fields[K], Fields[(K + 43) % Count], Fields[(K + 86) % Count]);
            PutPixel(EmptyImage2, Source, false, 1, 1);
            for (Uint32 D = 0; D < 256; ++D) {
                const Uint32 Destination = DestinationFor(D);
                std::memcpy(static_cast<Uint8*>(Screen->pixels) + K * Screen->pitch + D * 4, &Destination, 4);
                const int X = static_cast<int>(D), Y = static_cast<int>(K);
                BlitAt(EmptyImage2, MakeRect(0, 0, 1, 1), Screen, ClipRect, X, Y, false);
                const Uint32 Expected = BlitBlend(Destination, Source, static_cast<Uint8>(Alpha));
                ++Checked;
                if (DisplayPixel(X, Y) != Expected && Wrong++ < 10)
                    ADD_FAILURE() << "alpha " << Alpha << ": " << Source << " over " << Destination << " gave "
                                  << DisplayPixel(X, Y) << ", not " << Expected;
            }
        }
    }
    EXPECT_EQ(Checked, 256L * 129 * 256);
    EXPECT_EQ(Wrong, 0);
}
