#include "app/scene_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>

#include "app/file_bytes.h"
#include "app/new_file.h"
#include "app/user_folder.h"
#include "log/logger.h"
#include "sim/particles/scene_format.h"

std::filesystem::path DocumentsFolder() { return UserFolder("DOCUMENTS", "Documents"); }

std::string SceneFileName(const std::tm& Time, int Number)
{
    return StampedFileName("kalmot-scena-", Time, Number, SceneExtension);
}

std::filesystem::path SaveSceneFile(const TScene& Scene, const std::filesystem::path& Folder, const std::tm& Time,
                                    std::string& Reason)
{
    Reason.clear();
    const std::optional<std::string> Text = WriteScene(Scene, Reason);
    if (!Text) return Folder;
    std::filesystem::path Path;
    std::FILE* const File = CreateNewFile(
        Folder, [&](int Number) { return SceneFileName(Time, Number); }, Path, Reason);
    if (File == nullptr) return Path;
    const bool Written = std::fwrite(Text->data(), 1, Text->size(), File) == Text->size();
    const int WriteError = std::ferror(File) ? errno : 0;
    const bool Closed = std::fclose(File) == 0;
    if (!Written || WriteError != 0 || !Closed) {
        Reason = std::strerror(WriteError != 0 ? WriteError : errno);
        std::error_code Ignored;
        std::filesystem::remove(Path, Ignored);
        return Path;
    }
    if (Log) Log->Status("Scene saved: " + Path.string(), "Scene");
    return Path;
}

std::optional<TScene> ReadSceneFile(const std::filesystem::path& Path, std::string& Reason)
{
    const auto TooLarge = [](uint64_t Size) {
        return "the file holds " + std::to_string(Size) + " bytes or more, more than the " +
               std::to_string(MaxSceneBytes) + " a scene may have";
    };
    const std::optional<std::vector<uint8_t>> Bytes = ReadRegularFile(Path.string(), MaxSceneBytes, TooLarge, Reason);
    if (!Bytes) return std::nullopt;
    return ReadScene(std::string_view(reinterpret_cast<const char*>(Bytes->data()), Bytes->size()), Reason);
}

std::vector<std::filesystem::path> NewestSceneFiles(const std::filesystem::path& Folder, size_t Count)
{
    struct TFound {
        std::filesystem::path Path;
        std::filesystem::file_time_type Changed;
    };
    std::vector<TFound> Found;
    std::error_code Error;
    for (std::filesystem::directory_iterator It(Folder, Error), End; !Error && It != End; It.increment(Error)) {
        const std::filesystem::path& Path = It->path();
        const std::string Name = Path.filename().string();
        const std::string Extension = SceneExtension;
        if (Name.size() <= Extension.size() ||
            Name.compare(Name.size() - Extension.size(), Extension.size(), Extension))
            continue;
        std::error_code Unknown;
        // symlink_status: a FIFO or device is left out here, without opening it.
        if (!std::filesystem::is_regular_file(It->symlink_status(Unknown)) &&
            !std::filesystem::is_regular_file(It->status(Unknown)))
            continue;
        const auto Changed = std::filesystem::last_write_time(Path, Unknown);
        if (!Unknown) Found.push_back({Path, Changed});
    }
    // Newest first; names break ties, the later name (the later second) first.
    std::sort(Found.begin(), Found.end(), [](const TFound& A, const TFound& B) {
        return A.Changed != B.Changed ? A.Changed > B.Changed : A.Path.filename() > B.Path.filename();
    });
    std::vector<std::filesystem::path> Newest;
    for (size_t I = 0; I < Found.size() && I < Count; ++I) Newest.push_back(Found[I].Path);
    return Newest;
}
