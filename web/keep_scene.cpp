// The browser's side of the scene seam (app/scene_place.h): a scene kept is
// offered as a download and written into the page's address (#scene=), and
// Ctrl+O opens the browser's file picker. Scenes come back through
// WebOpenScene, which the page (scene.js) calls with a file's bytes.
#include "app/scene_place.h"

#include <emscripten.h>

#include <ctime>
#include <string_view>

#include "app/scene_commands.h"
#include "log/logger.h"
#include "sim/particles/scene_format.h"

TKeptScene KeepScene(const TScene& Scene)
{
    const std::time_t Now = std::time(nullptr);
    std::tm Local{};
    localtime_r(&Now, &Local);
    char Name[64];
    std::strftime(Name, sizeof Name, "kalmot-scena-%Y-%m-%d-%H%M%S.kalmot-scene", &Local);
    TKeptScene Kept;
    Kept.Where = Name;
    const std::optional<std::string> Text = WriteScene(Scene, Kept.Reason);
    if (!Text) return Kept;
    EM_ASM(
        {
            if (Module.kalmotKeepScene) Module.kalmotKeepScene(HEAPU8.slice($0, $0 + $1), UTF8ToString($2));
        },
        Text->data(), Text->size(), Name);
    if (Log) Log->Status(std::string("Scene saved: ") + Name + " (a download and the page's address)", "Scene");
    return Kept;
}

std::optional<TScene> ReadSceneAt(const std::string&, std::string& Reason)
{
    Reason = "the browser opens no files by name";
    return std::nullopt;
}

bool SceneFilesToList(std::vector<std::string>& Files, std::string& Folder)
{
    Files.clear();
    Folder.clear();
    EM_ASM({
        if (Module.kalmotPickScene) Module.kalmotPickScene();
    });
    return false;
}

extern "C" {

// A scene's bytes from the page, by the name it shows (a file's name, or the
// address). The page owns the bytes; they are read before this returns.
EMSCRIPTEN_KEEPALIVE void WebOpenScene(const char* Bytes, int Size, const char* Name)
{
    if (Bytes == nullptr || Size < 0) return;
    OpenSceneBytes(std::string_view(Bytes, static_cast<size_t>(Size)), Name != nullptr ? Name : "");
}

} // extern "C"
