#include "app/png_file.h"

#include <png.h>

bool WritePngFile(std::FILE* File, int Width, int Height, int Channels, const uint8_t* Pixels, std::string& Reason)
{
    // libpng's simplified interface keeps its error jumps to itself.
    png_image Image{};
    Image.version = PNG_IMAGE_VERSION;
    Image.width = static_cast<png_uint_32>(Width);
    Image.height = static_cast<png_uint_32>(Height);
    Image.format = Channels == 4 ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
    const int Written = png_image_write_to_stdio(&Image, File, 0, Pixels, 0, nullptr);
    if (Written == 0) Reason = Image.message;
    png_image_free(&Image);
    return Written != 0;
}
