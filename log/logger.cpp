#include "log/logger.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <unistd.h>
#include <vector>

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

// A name such as "demo.exe" ends in a dot and three characters.
bool HasFourCharacterExtension(const std::string& Name)
{
    return Name.size() > 4 && Name[Name.size() - 4] == '.';
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

std::string RunningExecutablePath()
{
    std::vector<char> Buffer(4096);
    for (;;) {
        const ssize_t Length = readlink("/proc/self/exe", Buffer.data(), Buffer.size());
        if (Length < 0) return "kalmot";
        if (static_cast<size_t>(Length) < Buffer.size()) return std::string(Buffer.data(), static_cast<size_t>(Length));
        Buffer.resize(Buffer.size() * 2);
    }
}

std::string LogPathFor(const std::string& ExePath)
{
    const TSplitPath Parts = SplitPath(ExePath);
    std::string Stem = Parts.Name;
    if (HasFourCharacterExtension(Stem)) Stem.resize(Stem.size() - 4);
    return Parts.Dir + Stem + ".log";
}

TLogger::TLogger() : TLogger(RunningExecutablePath()) {}

TLogger::TLogger(const std::string& ExePath)
{
    const TSplitPath Parts = SplitPath(ExePath);
    ExeName = Parts.Name;
    ExeDir = Parts.Dir;
    Path = LogPathFor(ExePath);

    errno = 0;
    open(Path, std::ios::out | std::ios::trunc | std::ios::binary);
    if (!is_open()) {
        const int Reason = errno;
        throw TLogCreateError("cannot create log file " + Path + ": " +
                              (Reason != 0 ? std::strerror(Reason) : "unknown error"));
    }
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
