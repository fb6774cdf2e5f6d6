#pragma once
// Scenes as files in the user's documents folder, each under a name of its
// own: kalmot-scena-YYYY-MM-DD-HHMMSS.kalmot-scene, with -2, -3, ... before
// the extension where that name is taken. No file is ever replaced, and a
// scene file is read the way the images are: without blocking, only when it
// is a regular file, never beyond MaxSceneBytes.

#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "sim/particles/scene.h"

// The folder `xdg-user-dir DOCUMENTS` reports, when it is a folder other
// than the home folder; else ~/Documents where it exists; else the working
// folder.
std::filesystem::path DocumentsFolder();

// kalmot-scena-YYYY-MM-DD-HHMMSS.kalmot-scene for the local time Time;
// Number 2 and up adds -Number before the extension.
std::string SceneFileName(const std::tm& Time, int Number);

// Writes Scene as a new file in Folder, named after Time, logs "Scene
// saved: PATH" and returns the path. On a failure Reason says why and the
// path returned names the file (or the folder) it concerns; nothing is left
// half-written.
std::filesystem::path SaveSceneFile(const TScene& Scene, const std::filesystem::path& Folder, const std::tm& Time,
                                    std::string& Reason);

// The scene in the file at Path, or nothing with Reason saying why.
std::optional<TScene> ReadSceneFile(const std::filesystem::path& Path, std::string& Reason);

// Up to Count scene files in Folder (regular files whose names end in
// .kalmot-scene), the newest first by their time of change.
std::vector<std::filesystem::path> NewestSceneFiles(const std::filesystem::path& Folder, size_t Count);
