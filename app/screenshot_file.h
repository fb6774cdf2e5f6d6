#pragma once
// Screenshots as PNG files in the user's pictures folder, each under a name
// of its own: kalmot-YYYY-MM-DD-HHMMSS.png, with -2, -3, ... before the
// extension where that name is taken. No file is ever replaced.

#include <ctime>
#include <filesystem>
#include <string>

#include "app/screenshot.h"

// The folder `xdg-user-dir PICTURES` reports, when it is a folder other than
// the home folder (which the tool reports when none is set); else ~/Pictures
// where it exists; else the working folder.
std::filesystem::path PicturesFolder();

// kalmot-YYYY-MM-DD-HHMMSS.png for the local time Time; Number 2 and up
// adds -Number before the extension.
std::string ScreenshotFileName(const std::tm& Time, int Number);

// Writes Shot as a new PNG file in Folder, named after Time, and logs
// "Screenshot saved: PATH". On a failure it logs an error line naming the
// file (or the folder) and the reason, and leaves no file behind. Returns
// the path written, or an empty path.
std::filesystem::path SaveScreenshot(const TScreenshot& Shot, const std::filesystem::path& Folder, const std::tm& Time);
