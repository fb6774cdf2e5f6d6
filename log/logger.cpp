#include "log/logger.h"

#include <cerrno>
#include <cstring>
#include <ctime>

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

    const std::string Beside = LogPathFor(ExePath);
    const std::string BesideFailure = Open(Beside);
    if (BesideFailure.empty()) return;
    if (Fallback.empty())
        throw TLogCreateError("cannot create log file " + Beside + ": " + BesideFailure +
                              "; no home folder for the fallback log");
    std::string FallbackFailure = MakeParentFolders(Fallback);
    if (FallbackFailure.empty()) FallbackFailure = Open(Fallback);
    if (FallbackFailure.empty()) return;
    throw TLogCreateError("cannot create log file " + Beside + ": " + BesideFailure + "; nor the fallback " +
                          Fallback + ": " + FallbackFailure);
}

std::string TLogger::Open(const std::string& FilePath)
{
    errno = 0;
    open(FilePath, std::ios::out | std::ios::trunc | std::ios::binary);
    if (is_open()) {
        Path = FilePath;
        return "";
    }
    const int Reason = errno;
    clear();
    return Reason != 0 ? std::strerror(Reason) : "unknown error";
}

void TLogger::Error(const std::string& Message, const std::string& Section)
{
    WriteLine("*** ERROR *** : @ ", Message, Section);
}

void TLogger::Status(const std::string& Message, const std::string& Section)
{
    WriteLine("STATUS INFO : @ ", Message, Section);
}

void TLogger::WriteLine(const char* Kind, const std::string& Message, const std::string& Section)
{
    const std::string Line = Kind + TimeOfDay() + " MSG : " + Message + " IN : " + Section + "\r\n";
    write(Line.data(), static_cast<std::streamsize>(Line.size()));
    flush();
    clear(); // write errors are ignored: nobody looks at a log call's result
}
