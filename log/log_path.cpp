#include "log/log_path.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// A name such as "demo.exe" ends in a dot and three characters.
bool HasFourCharacterExtension(const std::string& Name)
{
    return Name.size() > 4 && Name[Name.size() - 4] == '.';
}

std::string HomeFolder()
{
    const char* Home = std::getenv("HOME");
    if (Home != nullptr && Home[0] == '/') return Home;
    const passwd* User = getpwuid(getuid());
    if (User != nullptr && User->pw_dir != nullptr && User->pw_dir[0] == '/') return User->pw_dir;
    return "";
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
    const auto Slash = ExePath.rfind('/');
    const std::string Dir = Slash == std::string::npos ? "" : ExePath.substr(0, Slash + 1);
    std::string Stem = Slash == std::string::npos ? ExePath : ExePath.substr(Slash + 1);
    if (HasFourCharacterExtension(Stem)) Stem.resize(Stem.size() - 4);
    return Dir + Stem + ".log";
}

std::string FallbackLogPath()
{
    // Relative values are to be ignored: they would follow the working directory.
    const char* StateHome = std::getenv("XDG_STATE_HOME");
    std::string Folder;
    if (StateHome != nullptr && StateHome[0] == '/') {
        Folder = StateHome;
    } else {
        const std::string Home = HomeFolder();
        if (Home.empty()) return "";
        Folder = Home + "/.local/state";
    }
    if (Folder.back() != '/') Folder += '/';
    return Folder + "kalmot/kalmot.log";
}

bool RunsFromInstalledTree(const std::string& ExePath)
{
    const auto Slash = ExePath.rfind('/');
    const std::string Dir = Slash == std::string::npos ? "" : ExePath.substr(0, Slash + 1);
    struct stat Info {};
    return stat((Dir + "../share/kalmot/images").c_str(), &Info) == 0 && S_ISDIR(Info.st_mode);
}

std::string MakeParentFolders(const std::string& Path)
{
    for (auto Slash = Path.find('/', 1); Slash != std::string::npos; Slash = Path.find('/', Slash + 1)) {
        const std::string Folder = Path.substr(0, Slash);
        if (mkdir(Folder.c_str(), 0700) == 0 || errno == EEXIST) continue;
        return "cannot create " + Folder + ": " + std::strerror(errno);
    }
    return "";
}
