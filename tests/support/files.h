#pragma once
// Files as the tests use them: a temporary folder of their own, and a
// file's content read whole or by lines.

#include <filesystem>
#include <string>
#include <vector>

// A fresh temporary folder, removed with the object.
class TTempFolder {
public:
    TTempFolder();
    ~TTempFolder();
    TTempFolder(const TTempFolder&) = delete;
    TTempFolder& operator=(const TTempFolder&) = delete;
    const std::filesystem::path& Path() const { return Folder; }

private:
    std::filesystem::path Folder;
};

// The whole content of a file, or "" when it cannot be read.
std::string ReadFile(const std::filesystem::path& Path);

// The file's lines without their '\n' (a CR before it stays); none when
// the file cannot be read.
std::vector<std::string> ReadLines(const std::filesystem::path& Path);
