#pragma once
// A new file under a name of its own: the first of Name(1), Name(2), ...
// in a folder that is not taken yet. The file is made new or not at all, so
// a name taken in the meantime is never written over.

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>

// How many names are tried before giving up on a folder.
inline constexpr int MostNewFileNumbers = 1000;

// Opens a new file for writing in Folder under the first free Name(Number),
// Number from 1 up, and sets Path to it. On a failure returns null with
// Reason saying why and Path naming the file (or the folder) it concerns.
std::FILE* CreateNewFile(const std::filesystem::path& Folder, const std::function<std::string(int)>& Name,
                         std::filesystem::path& Path, std::string& Reason);

// Prefix, the local time Time as YYYY-MM-DD-HHMMSS, "-Number" from 2 on,
// then Extension: the names the program gives what it keeps for the user,
// one second apart and numbered within a second.
std::string StampedFileName(const std::string& Prefix, const std::tm& Time, int Number, const std::string& Extension);
