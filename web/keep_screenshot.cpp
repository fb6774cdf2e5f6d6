// The browser's side of the screenshot seam (app/screenshot.h): the page
// makes a PNG of the frame and offers it as a download; the browser asks
// where it goes or puts it in the downloads folder.
#include "app/screenshot.h"

#include <emscripten.h>

#include <ctime>

std::string KeepScreenshot(const TScreenshot& Shot)
{
    if (Shot.Width <= 0 || Shot.Height <= 0 || Shot.Rgb.size() != static_cast<size_t>(Shot.Width) * Shot.Height * 3)
        return {};
    const std::time_t Now = std::time(nullptr);
    std::tm Local{};
    localtime_r(&Now, &Local);
    char Name[64];
    std::strftime(Name, sizeof Name, "kalmot-%Y-%m-%d-%H%M%S.png", &Local);
    EM_ASM(
        {
            if (Module.kalmotKeepScreenshot) Module.kalmotKeepScreenshot(HEAPU8.slice($0, $0 + $1 * $2 * 3), $1, $2, UTF8ToString($3));
        },
        Shot.Rgb.data(), Shot.Width, Shot.Height, Name);
    return Name;
}
