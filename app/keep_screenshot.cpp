#include "app/screenshot.h"

#include <ctime>

#include "app/screenshot_file.h"

void KeepScreenshot(const TScreenshot& Shot)
{
    const std::time_t Now = std::time(nullptr);
    std::tm Local{};
    localtime_r(&Now, &Local);
    SaveScreenshot(Shot, PicturesFolder(), Local);
}
