#include "app/user_folder.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <system_error>

namespace {

// The first line the command prints, without its line break; empty when it
// cannot be run or prints nothing.
std::string FirstLineOf(const std::string& Command)
{
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> Pipe(popen(Command.c_str(), "r"), pclose);
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

std::filesystem::path UserFolder(const char* XdgName, const char* HomeName)
{
    const char* const Home = std::getenv("HOME");
    const std::filesystem::path Reported = FirstLineOf(std::string("xdg-user-dir ") + XdgName + " 2>/dev/null");
    if (IsFolder(Reported) && !(Home != nullptr && SameFolder(Reported, Home))) return Reported;
    if (Home != nullptr && *Home != '\0' && IsFolder(std::filesystem::path(Home) / HomeName))
        return std::filesystem::path(Home) / HomeName;
    std::error_code Unknown;
    const std::filesystem::path Working = std::filesystem::current_path(Unknown);
    return Unknown ? std::filesystem::path(".") : Working;
}
