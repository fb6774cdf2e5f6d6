#pragma once
// A screenshot: the frame as shown, taken after everything but the pointer
// has been drawn, and handed to KeepScreenshot (below).

#include <cstdint>
#include <string>
#include <vector>

struct TScreenshot {
    int Width = 0;
    int Height = 0;
    std::vector<uint8_t> Rgb; // red, green, blue of each pixel, row by row from the top
};

// The display's pixels as they are now.
TScreenshot CaptureScreenshot();

// Keeps Shot where the user will find it. This is the one function a build
// for another platform replaces, alone in keep_screenshot.cpp: here it saves
// a PNG file into the pictures folder (screenshot_file.h); a browser offers
// the picture as a download. Whatever happens, the program goes on as before.
// Returns the name of the file kept (without its folder), or an empty text
// when nothing was kept.
std::string KeepScreenshot(const TScreenshot& Shot);
