#include "support/program_copy.h"

namespace fs = std::filesystem;

const fs::path BuiltProgram = KALMOT_EXECUTABLE;
const fs::path SourceImages = fs::path(KALMOT_SOURCE_DIR) / "data" / "images";

TProgramCopy::TProgramCopy()
{
    fs::copy_file(BuiltProgram, Exe);
    fs::create_directories(Folder.Path() / "data");
    fs::copy(SourceImages, Folder.Path() / "data" / "images", fs::copy_options::recursive);
}

fs::path TProgramCopy::Image(const std::string& Name) const { return Folder.Path() / "data" / "images" / Name; }
