#pragma once
// Logger: the run's plain-text log beside the executable.
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

// The log file could not be created, or not even its first line written;
// what() names the file and the reason.
class TLogCreateError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TLogger : public std::ofstream {
public:
    std::string ExeName; // the executable's file name without its directory
    std::string ExeDir;  // the executable's directory, ending with '/'

    // Opens (truncating) the log beside the running executable.
    TLogger();
    // Opens (truncating) the log beside the executable at ExePath.
    explicit TLogger(const std::string& ExePath);

    void Error(const std::string& Message, const std::string& Section);
    void Status(const std::string& Message, const std::string& Section);

    const std::string& FilePath() const { return Path; }

private:
    std::string Path;
    int LinesWritten = 0;
    bool FailureReported = false;
    void WriteLine(const char* Kind, const std::string& Message, const std::string& Section);
    void LineLost(const std::string& Line, bool IsError, int Reason);
};

// The one log of the process; null before start-up and after shutdown.
extern std::unique_ptr<TLogger> Log;

// The full path of the running executable, as the system reports it.
std::string RunningExecutablePath();

// Where the executable at ExePath logs: its directory, its name with a
// four-character extension (".exe") replaced, or with none appended, + ".log".
std::string LogPathFor(const std::string& ExePath);
