#pragma once
// The scene file (docs/scene-format.md): JSON, read and written with
// nlohmann::json, every double written in the shortest decimal that reads
// back to the same bits. Reading works on bytes alone, so the program, the
// browser and the fuzzer share it, and refuses anything it cannot take
// whole, saying why; a refused scene leaves nothing changed.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "sim/particles/scene.h"

// The format version written; files of this version or older are read.
inline constexpr int SceneFormatVersion = 1;
// The most particles, and the most walls, a scene may hold.
inline constexpr size_t MaxSceneItems = 100000;
// The largest scene file read, in bytes.
inline constexpr size_t MaxSceneBytes = size_t{64} << 20;
// What every scene file's name ends with.
inline constexpr const char* SceneExtension = ".kalmot-scene";

// "extended" or "double": the arithmetic this build works out Extended in.
const char* SceneArithmetic();

// The file's text for Scene, or nothing with Reason saying why: a number of
// the world that is not finite (JSON has no way to write it, and a world
// holding one cannot be continued exactly) is named and nothing is written.
std::optional<std::string> WriteScene(const TScene& Scene, std::string& Reason);

// The scene Bytes hold, or nothing with Reason saying why (not JSON, a
// field missing or of the wrong type, a newer format version, a number not
// finite or out of its range, too many particles or walls, too many bytes).
std::optional<TScene> ReadScene(std::string_view Bytes, std::string& Reason);
