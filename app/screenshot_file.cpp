#include "app/screenshot_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>

#include "app/new_file.h"
#include "app/png_file.h"
#include "app/user_folder.h"
#include "log/logger.h"

namespace {

constexpr const char* Section = "Screenshot";

void Fail(const std::string& Message)
{
    if (Log) Log->Error(Message, Section);
}

} // namespace

std::filesystem::path PicturesFolder() { return UserFolder("PICTURES", "Pictures"); }

std::string ScreenshotFileName(const std::tm& Time, int Number)
{
    return StampedFileName("kalmot-", Time, Number, ".png");
}

std::filesystem::path SaveScreenshot(const TScreenshot& Shot, const std::filesystem::path& Folder, const std::tm& Time)
{
    if (Shot.Width <= 0 || Shot.Height <= 0) {
        Fail("Couldn't take a screenshot : the display could not be read");
        return {};
    }
    std::filesystem::path Path;
    std::string Reason;
    std::FILE* const File = CreateNewFile(
        Folder, [&](int Number) { return ScreenshotFileName(Time, Number); }, Path, Reason);
    if (File == nullptr) {
        Fail((Path == Folder ? "Couldn't save the screenshot in " : "Couldn't save the screenshot ") + Path.string() +
             " : " + Reason);
        return {};
    }

    const bool Written = WritePngFile(File, Shot.Width, Shot.Height, 3, Shot.Rgb.data(), Reason);
    const int WriteError = std::ferror(File) ? errno : 0;
    const bool Closed = std::fclose(File) == 0;
    if (!Written || WriteError != 0 || !Closed) {
        if (Reason.empty()) Reason = std::strerror(WriteError != 0 ? WriteError : errno);
        std::error_code Ignored;
        std::filesystem::remove(Path, Ignored);
        Fail("Couldn't save the screenshot " + Path.string() + " : " + Reason);
        return {};
    }
    if (Log) Log->Status("Screenshot saved: " + Path.string(), Section);
    return Path;
}
