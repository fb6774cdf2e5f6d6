#include "app/scene_place.h"

#include <ctime>

#include "app/scene_file.h"

namespace {

constexpr size_t ListedScenes = 10; // the list window shows the ten newest

} // namespace

TKeptScene KeepScene(const TScene& Scene)
{
    const std::time_t Now = std::time(nullptr);
    std::tm Local{};
    localtime_r(&Now, &Local);
    TKeptScene Kept;
    Kept.Where = SaveSceneFile(Scene, DocumentsFolder(), Local, Kept.Reason).string();
    return Kept;
}

std::optional<TScene> ReadSceneAt(const std::string& Path, std::string& Reason) { return ReadSceneFile(Path, Reason); }

bool SceneFilesToList(std::vector<std::string>& Files, std::string& Folder)
{
    const std::filesystem::path Documents = DocumentsFolder();
    Folder = Documents.string();
    Files.clear();
    for (const std::filesystem::path& Path : NewestSceneFiles(Documents, ListedScenes)) Files.push_back(Path.string());
    return true;
}
