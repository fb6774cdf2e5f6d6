#include "app/screenshot.h"

#include <ctime>

#include "app/screenshot_file.h"

std::string KeepScreenshot(const TScreenshot& Shot)
{
    const std::time_t Now = std::time(nullptr);
    std::tm Local{};
    localtime_r(&Now, &Local);
    return SaveScreenshot(Shot, PicturesFolder(), Local).filename().string();
}
