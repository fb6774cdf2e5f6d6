#pragma once
// The particle screen's two scene windows, built from the toolkit's own
// window, labels and buttons and centred on the display:
//   "Sceny"            one button per scene file, the newest at the top, and
//                      "Zamknij [Esc]"; a click on a scene opens it
//   "Scena odrzucona"  which file was refused and why, and "Zamknij [Esc]";
//                      "Scena niezapisana" likewise for a scene not saved
// Texts come in as UTF-8 (file names, reasons) and are drawn in
// Windows-1250; a character the font lacks shows as '?'.

#include <string>
#include <vector>

#include "ui/window.h"

inline constexpr const char* SceneListName = "Sceny";
inline constexpr const char* SceneRefusalName = "Odrzucona";

// The list of Names (file names), or a line saying Folder holds none.
TWindow CreateSceneList(const std::vector<std::string>& Names, const std::string& Folder);

// The index into Names of the scene clicked in the last update, or -1.
int ClickedScene(const TWindow& List);

// Why the scene in File was refused (or, Saving, could not be written
// there): Reason, broken into lines that fit.
TWindow CreateSceneRefusal(bool Saving, const std::string& File, const std::string& Reason);

// The window's "Zamknij [Esc]" was clicked in the last update.
bool SceneWindowClosed(const TWindow& Window);
