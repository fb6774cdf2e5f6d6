#pragma once
// The user's own folders (pictures, documents) where the program keeps what
// the user asks it to keep, found the way the desktop names them.

#include <filesystem>

// The folder `xdg-user-dir XdgName` reports, when it is a folder other than
// the home folder (which the tool reports when none is set); else
// ~/HomeName where it exists; else the working folder.
std::filesystem::path UserFolder(const char* XdgName, const char* HomeName);
