#pragma once
// Logger: the run's plain-text log beside the executable, or in the user's
// state folder where the executable's folder cannot be written (log_path.h).
//
// Two line formats, each ended by CR LF:
//   *** ERROR *** : @ 14:05:09 MSG : <message> IN : <section>
//   STATUS INFO : @ 14:05:09 MSG : <message> IN : <section>
// Every line is handed to the stream in one write and flushed at once, so a
// line is in the file as soon as the call returns.
//
// Every write is checked. A first line that cannot be written makes the log
// as good as uncreated (TLogCreateError). A later line that cannot be
// written is reported once on standard error, naming the file and the
// system's reason, and the program goes on; an error line that cannot be
// logged goes to standard error itself.

#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>

#include "log/log_path.h"

// The log file could be created neither beside the executable nor in the
// fallback place (for an installed program: not in the fallback place), or
// not even its first line written; what() names the files and the reasons.
class TLogCreateError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TLogger : public std::ofstream {
public:
    std::string ExeName; // the executable's file name without its directory
    std::string ExeDir;  // the executable's directory, ending with '/'

    // Opens (truncating) the log beside the running executable, else at
    // FallbackLogPath().
    TLogger();
    // Opens (truncating) the log beside the executable at ExePath, else at
    // Fallback (its folders created); an empty Fallback is not tried. An
    // executable in an installed tree (log_path.h) logs at Fallback alone.
    explicit TLogger(const std::string& ExePath, const std::string& Fallback = FallbackLogPath());

    void Error(const std::string& Message, const std::string& Section);
    void Status(const std::string& Message, const std::string& Section);

private:
    std::string Path;
    int LinesWritten = 0;
    bool FailureReported = false;
    // Opens FilePath for the log; "" on success, else the reason.
    std::string Open(const std::string& FilePath);
    // Opens FilePath after creating its folders; "" on success, else the reason.
    std::string OpenMakingFolders(const std::string& FilePath);
    void WriteLine(const char* Kind, const std::string& Message, const std::string& Section);
    void LineLost(const std::string& Line, bool IsError, int Reason);
};

// The one log of the process; null before start-up and after shutdown.
extern std::unique_ptr<TLogger> Log;
