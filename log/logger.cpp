#include "log/logger.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <iostream>

#include "log/file_kind.h"

std::unique_ptr<TLogger> Log;

namespace {

struct TSplitPath {
    std::string Dir;  // ends with '/', or empty for a bare name
    std::string Name;
};

TSplitPath SplitPath(const std::string& Path)
{
    const auto Slash = Path.rfind('/');
    if (Slash == std::string::npos) return {"", Path};
    return {Path.substr(0, Slash + 1), Path.substr(Slash + 1)};
}

constexpr const char* ErrorKind = "*** ERROR *** : @ ";

std::string ReasonText(int Reason) { return Reason != 0 ? std::strerror(Reason) : "unknown error"; }

std::string TimeOfDay()
{
    const std::time_t Now = std::time(nullptr);
    std::tm Local{};
    localtime_r(&Now, &Local);
    char Text[16];
    std::strftime(Text, sizeof Text, "%H:%M:%S", &Local);
    return Text;
}

} // namespace

TLogger::TLogger() : TLogger(RunningExecutablePath()) {}

TLogger::TLogger(const std::string& ExePath, const std::string& Fallback)
{
    const TSplitPath Parts = SplitPath(ExePath);
    ExeName = Parts.Name;
    ExeDir = Parts.Dir;

    if (RunsFromInstalledTree(ExePath)) {
        if (Fallback.empty())
            throw TLogCreateError("cannot create log file: no home folder for the state folder's log of " + ExePath);
        const std::string Failure = OpenMakingFolders(Fallback);
        if (Failure.empty()) return;
        throw TLogCreateError("cannot create log file " + Fallback + ": " + Failure);
    }

    const std::string Beside = LogPathFor(ExePath);
    // A FIFO or a device where the log belongs is refused, not worked around.
    if (const std::string Refusal = RefuseSpecialFile(Beside); !Refusal.empty())
        throw TLogCreateError("cannot create log file " + Beside + ": " + Refusal);
    const std::string BesideFailure = Open(Beside);
    if (BesideFailure.empty()) return;
    if (Fallback.empty())
        throw TLogCreateError("cannot create log file " + Beside + ": " + BesideFailure +
                              "; no home folder for the fallback log");
    const std::string FallbackFailure = OpenMakingFolders(Fallback);
    if (FallbackFailure.empty()) return;
    throw TLogCreateError("cannot create log file " + Beside + ": " + BesideFailure + "; nor the fallback " +
                          Fallback + ": " + FallbackFailure);
}

std::string TLogger::Open(const std::string& FilePath)
{
    // A FIFO would hold the open until something read from it; a device is
    // no place to keep a log.
    if (const std::string Refusal = RefuseSpecialFile(FilePath); !Refusal.empty()) return Refusal;

    // Unbuffered: each line goes to the file in the write that hands it
    // over, and a line that fails leaves nothing behind to fail again.
    rdbuf()->pubsetbuf(nullptr, 0);
    errno = 0;
    open(FilePath, std::ios::out | std::ios::trunc | std::ios::binary);
    if (is_open()) {
        Path = FilePath;
        return "";
    }
    const int Reason = errno;
    clear();
    return ReasonText(Reason);
}

std::string TLogger::OpenMakingFolders(const std::string& FilePath)
{
    const std::string Failure = MakeParentFolders(FilePath);
    return Failure.empty() ? Open(FilePath) : Failure;
}

void TLogger::Error(const std::string& Message, const std::string& Section)
{
    WriteLine(ErrorKind, Message, Section);
}

void TLogger::Status(const std::string& Message, const std::string& Section)
{
    WriteLine("STATUS INFO : @ ", Message, Section);
}

void TLogger::WriteLine(const char* Kind, const std::string& Message, const std::string& Section)
{
    const std::string Line = Kind + TimeOfDay() + " MSG : " + Message + " IN : " + Section + "\r\n";
    errno = 0;
    write(Line.data(), static_cast<std::streamsize>(Line.size()));
    flush();
    const int Reason = errno;
    if (good()) {
        ++LinesWritten;
        return;
    }
    clear(); // the next line is tried again: a full disk may have room by then
    LineLost(Line, std::strcmp(Kind, ErrorKind) == 0, Reason);
}

void TLogger::LineLost(const std::string& Line, bool IsError, int Reason)
{
    if (LinesWritten == 0) throw TLogCreateError("cannot write log file " + Path + ": " + ReasonText(Reason));
    if (!FailureReported) {
        std::cerr << ExeName << ": cannot write to log file " << Path << ": " << ReasonText(Reason)
                  << "; lines from here on may be missing from it\n";
        FailureReported = true;
    }
    if (IsError) std::cerr << ExeName << ": " << Line.substr(0, Line.size() - 2) << '\n'; // without its CR LF
    std::cerr.flush();
}
