#pragma once
// Runs the built program as a separate process, under the dummy video driver.

#include <filesystem>
#include <map>
#include <string>
#include <vector>

struct TProcessResult {
    int ExitCode = -1;  // -1 when it did not end by itself
    std::string Errors; // what it wrote on standard error
    std::string Output; // what it wrote on standard output
};

// How to start the program: its arguments, and variables set (or, with an
// empty value, removed) in its environment. XDG_STATE_HOME points into a
// fresh temporary folder unless given here, so no run writes to the real
// home folder.
struct TRunRequest {
    std::vector<std::string> Arguments;
    std::map<std::string, std::string> Environment;
};

// Runs Executable with WorkingDir as its working directory. With
// AskToQuit the program is sent SIGTERM (which SDL turns into a quit
// event) once it has started its event handling.
TProcessResult RunProgram(const std::filesystem::path& Executable, const std::filesystem::path& WorkingDir,
                          bool AskToQuit, const TRunRequest& Request = {});

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
