#include "app/data_folder.h"

#include <filesystem>
#include <iostream>

#include "log/logger.h"

std::string ImageFolder = "data/images";

void ResetImageFolder() { ImageFolder = "data/images"; }

namespace fs = std::filesystem;

namespace {

// Two spellings of one folder count once: compared as absolute, normalised paths.
std::string Key(const fs::path& Folder)
{
    std::error_code Ignored;
    return fs::absolute(Folder, Ignored).lexically_normal().string();
}

} // namespace

std::string ImagePath(const std::string& Name) { return ImageFolder + "/" + Name; }

std::vector<std::string> ImageFolderCandidates(const std::string& ExePath, const std::string& InstalledFolder)
{
    const fs::path ExeDir = fs::path(ExePath).parent_path();
    std::vector<fs::path> Folders = {
        "data/images",
        ExeDir / "data/images",
        ExeDir / "../data/images",
        ExeDir / "../share/kalmot/images",
    };
    if (!InstalledFolder.empty()) Folders.emplace_back(InstalledFolder);

    std::vector<std::string> Candidates;
    std::vector<std::string> Seen;
    for (const fs::path& Folder : Folders) {
        const std::string Normal = Folder.lexically_normal().string();
        const std::string Shown = Normal.size() > 1 && Normal.back() == '/' ? Normal.substr(0, Normal.size() - 1) : Normal;
        const std::string Same = Key(Folder);
        bool Repeat = false;
        for (const std::string& Earlier : Seen) Repeat = Repeat || Earlier == Same;
        if (Repeat) continue;
        Seen.push_back(Same);
        Candidates.push_back(Shown);
    }
    return Candidates;
}

std::string InstalledImageFolder()
{
#ifdef KALMOT_INSTALLED_IMAGES
    return KALMOT_INSTALLED_IMAGES;
#else
    return "";
#endif
}

std::string MissingFrom(const std::string& Folder, const std::vector<std::string>& Names)
{
    std::error_code Failure;
    if (!fs::is_directory(Folder, Failure)) return "no such folder";
    for (const std::string& Name : Names) {
        const std::string Path = Folder + "/" + Name;
        // A file that is there but will not load is the loader's to explain.
        if (!fs::exists(Path, Failure)) return "no " + Name;
    }
    return "";
}

bool ChooseImageFolder(const std::vector<std::string>& Candidates, const std::vector<std::string>& Names)
{
    std::string Tried;
    for (const std::string& Folder : Candidates) {
        const std::string Lack = MissingFrom(Folder, Names);
        if (Lack.empty()) {
            ImageFolder = Folder;
            return true;
        }
        Tried += (Tried.empty() ? "" : ", ") + Folder + " (" + Lack + ")";
    }
    const std::string Message = "Couldn't find the images in any of: " + Tried;
    if (Log) Log->Error(Message, "Initialize");
    std::cerr << "kalmot: " << Message << '\n';
    return false;
}
