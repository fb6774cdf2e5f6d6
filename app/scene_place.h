#pragma once
// Where scenes are kept and where the user picks one: the two functions a
// build for another platform replaces, alone in keep_scene.cpp. Here a scene
// is a new file in the documents folder (scene_file.h) and the user picks
// one of the newest there from a list window; a browser offers the scene as
// a download and in the page's address, and picks with its file picker.

#include <optional>
#include <string>
#include <vector>

#include "sim/particles/scene.h"

// What became of a scene kept: Where it went (a path, or how the page keeps
// it) when Reason is empty, else where it could not go and why.
struct TKeptScene {
    std::string Where;
    std::string Reason;
};

TKeptScene KeepScene(const TScene& Scene);

// The scene in the file at Path (one the list window or the command line
// named), or nothing with Reason saying why; a browser has no such files.
std::optional<TScene> ReadSceneAt(const std::string& Path, std::string& Reason);

// The files a list window offers, newest first, in Folder; false when the
// platform has a picker of its own, which this call has opened.
bool SceneFilesToList(std::vector<std::string>& Files, std::string& Folder);
