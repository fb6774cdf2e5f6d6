#pragma once
// A copy of the built program in a temporary folder of its own, with the
// images beside it, for runs that change its files.

#include <filesystem>
#include <string>

#include "support/files.h"

struct TProgramCopy {
    TTempFolder Folder;
    std::filesystem::path Exe = Folder.Path() / "kalmot";
    std::filesystem::path LogFile = Folder.Path() / "kalmot.log";

    TProgramCopy();
    std::filesystem::path Image(const std::string& Name) const;
};

// The built program and the committed images it was built with.
extern const std::filesystem::path BuiltProgram;
extern const std::filesystem::path SourceImages;
