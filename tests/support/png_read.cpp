#include "support/png_read.h"

#include <png.h>

TPngPicture ReadPng(const std::filesystem::path& Path)
{
    TPngPicture Picture;
    png_image Image{};
    Image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_file(&Image, Path.c_str()) == 0) return Picture;
    Image.format = PNG_FORMAT_RGB;
    std::vector<uint8_t> Rgb(PNG_IMAGE_SIZE(Image));
    if (png_image_finish_read(&Image, nullptr, Rgb.data(), 0, nullptr) == 0) {
        png_image_free(&Image);
        return Picture;
    }
    Picture.Width = static_cast<int>(Image.width);
    Picture.Height = static_cast<int>(Image.height);
    Picture.Rgb = std::move(Rgb);
    return Picture;
}
