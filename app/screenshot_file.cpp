#include "app/screenshot_file.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <system_error>

#include "app/png_file.h"
#include "log/logger.h"

namespace {

constexpr const char* Section = "Screenshot";
constexpr int MostNumbers = 1000; // names tried before giving up on a folder

void Fail(const std::string& Message)
{
    if (Log) Log->Error(Message, Section);
}

// The first line the command prints, without its line break; empty when it
// cannot be run or prints nothing.
std::string FirstLineOf(const char* Command)
{
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> Pipe(popen(Command, "r"), pclose);
    if (Pipe == nullptr) return {};
    char Line[4096];
    if (std::fgets(Line, sizeof Line, Pipe.get()) == nullptr) return {};
    std::string Text = Line;
    while (!Text.empty() && (Text.back() == '\n' || Text.back() == '\r')) Text.pop_back();
    return Text;
}

bool IsFolder(const std::filesystem::path& Path)
{
    std::error_code Ignored;
    return !Path.empty() && std::filesystem::is_directory(Path, Ignored);
}

bool SameFolder(const std::filesystem::path& A, const std::filesystem::path& B)
{
    std::error_code Ignored;
    return std::filesystem::equivalent(A, B, Ignored);
}

} // namespace

std::filesystem::path PicturesFolder()
{
    const char* const Home = std::getenv("HOME");
    const std::filesystem::path Reported = FirstLineOf("xdg-user-dir PICTURES 2>/dev/null");
    if (IsFolder(Reported) && !(Home != nullptr && SameFolder(Reported, Home))) return Reported;
    if (Home != nullptr && *Home != '\0' && IsFolder(std::filesystem::path(Home) / "Pictures"))
        return std::filesystem::path(Home) / "Pictures";
    std::error_code Unknown;
    const std::filesystem::path Working = std::filesystem::current_path(Unknown);
    return Unknown ? std::filesystem::path(".") : Working;
}

std::string ScreenshotFileName(const std::tm& Time, int Number)
{
    char Stamp[32];
    std::strftime(Stamp, sizeof Stamp, "%Y-%m-%d-%H%M%S", &Time);
    std::string Name = std::string("kalmot-") + Stamp;
    if (Number >= 2) Name += "-" + std::to_string(Number);
    return Name + ".png";
}

std::filesystem::path SaveScreenshot(const TScreenshot& Shot, const std::filesystem::path& Folder, const std::tm& Time)
{
    if (Shot.Width <= 0 || Shot.Height <= 0) {
        Fail("Couldn't take a screenshot : the display could not be read");
        return {};
    }
    // "x": the file is made new or not at all, so a name taken in the
    // meantime is never written over.
    std::filesystem::path Path;
    std::FILE* File = nullptr;
    for (int Number = 1; Number <= MostNumbers && File == nullptr; ++Number) {
        Path = Folder / ScreenshotFileName(Time, Number);
        File = std::fopen(Path.c_str(), "wbx");
        if (File == nullptr && errno != EEXIST) {
            Fail("Couldn't save the screenshot " + Path.string() + " : " + std::strerror(errno));
            return {};
        }
    }
    if (File == nullptr) {
        Fail("Couldn't save the screenshot in " + Folder.string() + " : every name up to " +
             ScreenshotFileName(Time, MostNumbers) + " is taken");
        return {};
    }

    std::string Reason;
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
