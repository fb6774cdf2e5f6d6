#include "app/new_file.h"

#include <cerrno>
#include <cstring>

std::FILE* CreateNewFile(const std::filesystem::path& Folder, const std::function<std::string(int)>& Name,
                         std::filesystem::path& Path, std::string& Reason)
{
    for (int Number = 1; Number <= MostNewFileNumbers; ++Number) {
        Path = Folder / Name(Number);
        // "x": fails with EEXIST rather than open a file that is there.
        std::FILE* const File = std::fopen(Path.c_str(), "wbx");
        if (File != nullptr) return File;
        if (errno != EEXIST) {
            Reason = std::strerror(errno);
            return nullptr;
        }
    }
    Path = Folder;
    Reason = "every name up to " + Name(MostNewFileNumbers) + " is taken";
    return nullptr;
}

std::string StampedFileName(const std::string& Prefix, const std::tm& Time, int Number, const std::string& Extension)
{
    char Stamp[32];
    std::strftime(Stamp, sizeof Stamp, "%Y-%m-%d-%H%M%S", &Time);
    std::string Name = Prefix + Stamp;
    if (Number >= 2) Name += "-" + std::to_string(Number);
    return Name + Extension;
}
