#include "png_writer.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <vector>

#include "app/png_file.h"

void WritePng(const TCanvas& Canvas, const std::string& Path)
{
    std::vector<uint8_t> Rgba;
    Rgba.reserve(static_cast<size_t>(Canvas.Width()) * Canvas.Height() * 4);
    for (int Y = 0; Y < Canvas.Height(); ++Y)
        for (int X = 0; X < Canvas.Width(); ++X) {
            const TColour C = Canvas.At(X, Y);
            if (C == KeyColour)
                Rgba.insert(Rgba.end(), {0, 0, 0, 0});
            else
                Rgba.insert(Rgba.end(), {C.R, C.G, C.B, 255});
        }

    std::FILE* File = std::fopen(Path.c_str(), "wb");
    if (File == nullptr) throw std::runtime_error("cannot write " + Path + ": " + std::strerror(errno));
    std::string Reason;
    const bool Written = WritePngFile(File, Canvas.Width(), Canvas.Height(), 4, Rgba.data(), Reason);
    const bool Closed = std::fclose(File) == 0;
    if (!Written) throw std::runtime_error("cannot write " + Path + ": " + Reason);
    if (!Closed) throw std::runtime_error("cannot write " + Path + ": " + std::strerror(errno));
}
