#pragma once
// Runs the built program as a separate process, under the dummy video driver.

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

struct TProcessResult {
    int ExitCode = -1;  // -1 when it did not end by itself
    std::string Errors; // what it wrote on standard error
    std::string Output; // what it wrote on standard output
    double Seconds = 0; // from the start to its end
};

// How to start the program: its arguments, variables set (or, with an
// empty value, removed) in its environment, and the largest file it may
// write (0: no limit; a longer write fails instead of ending the process).
// XDG_STATE_HOME points into a fresh temporary folder unless given here,
// so no run writes to the real home folder.
struct TRunRequest {
    std::vector<std::string> Arguments;
    std::map<std::string, std::string> Environment;
    uint64_t FileSizeLimit = 0;
};

// Runs Executable with WorkingDir as its working directory, killing it
// after a minute. With AskToQuit the program is sent SIGTERM (which SDL
// turns into a quit event) once it has started its event handling.
TProcessResult RunProgram(const std::filesystem::path& Executable, const std::filesystem::path& WorkingDir,
                          bool AskToQuit, const TRunRequest& Request = {});
