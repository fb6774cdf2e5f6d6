// libFuzzer target for the scene reader: any bytes are either refused with
// a reason or read into a scene that writes back to a text reading to the
// same scene, whose text is then the same again.
//   build-sanitize/tests/kalmot_scene_fuzz CORPUS tests/fuzz/scene_corpus
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "sim/particles/scene_format.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    std::string Reason;
    const std::optional<TScene> Scene = ReadScene(std::string_view(reinterpret_cast<const char*>(Data), Size), Reason);
    if (!Scene) {
        if (Reason.empty()) std::abort(); // a refusal always says why
        return 0;
    }
    const std::optional<std::string> Text = WriteScene(*Scene, Reason);
    if (!Text) return 0; // read, but larger than a file may be once written out
    const std::optional<TScene> Again = ReadScene(*Text, Reason);
    if (!Again) std::abort();
    const std::optional<std::string> TextAgain = WriteScene(*Again, Reason);
    if (!TextAgain || *TextAgain != *Text) std::abort();
    return 0;
}
