#include "app/image_file.h"

#include <climits>

#include "app/file_bytes.h"

namespace {

std::string TooLarge(uint64_t Size, uint64_t Limit, const TImageBounds& Bounds)
{
    return "the file holds " + std::to_string(Size) + " bytes or more, more than the " + std::to_string(Limit) +
           " a picture of at most " + std::to_string(Bounds.MaxWidth) + "x" + std::to_string(Bounds.MaxHeight) +
           " can need";
}

} // namespace

std::optional<std::vector<uint8_t>> ReadImageFile(const std::string& Path, const TImageBounds& Bounds,
                                                  std::string& Reason)
{
    const uint64_t Limit = MaxBmpFileBytes(Bounds);
    std::optional<std::vector<uint8_t>> Bytes =
        ReadRegularFile(Path, Limit, [&](uint64_t Size) { return TooLarge(Size, Limit, Bounds); }, Reason);
    if (!Bytes) return std::nullopt;
    Reason = CheckBmpHeader(*Bytes, Bounds);
    if (!Reason.empty()) return std::nullopt;
    return Bytes;
}

SDL_Surface* DecodeImage(const std::vector<uint8_t>& Bytes, std::string& Reason)
{
    if (Bytes.size() > static_cast<size_t>(INT_MAX)) {
        Reason = "the file is too large";
        return nullptr;
    }
    SDL_RWops* Source = SDL_RWFromConstMem(Bytes.data(), static_cast<int>(Bytes.size()));
    SDL_Surface* Image = Source != nullptr ? SDL_LoadBMP_RW(Source, 1) : nullptr;
    if (Image == nullptr) Reason = SDL_GetError();
    return Image;
}
