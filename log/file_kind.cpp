#include "log/file_kind.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::string SpecialFileKind(mode_t Mode)
{
    if (S_ISFIFO(Mode)) return "a FIFO";
    if (S_ISCHR(Mode)) return "a character device";
    if (S_ISBLK(Mode)) return "a block device";
    if (S_ISSOCK(Mode)) return "a socket";
    if (S_ISDIR(Mode)) return "a directory";
    return "a special file";
}

std::string RefuseSpecialFile(const std::string& Path)
{
    const std::string Refusal = "not a regular file but ";
    // Non-blocking, a FIFO without a reader refuses at once (ENXIO) and one
    // with a reader opens at once; neither waits.
    const int Fd = open(Path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (Fd < 0) {
        struct stat Status {};
        if (errno == ENXIO && stat(Path.c_str(), &Status) == 0) return Refusal + SpecialFileKind(Status.st_mode);
        return "";
    }
    struct stat Status {};
    const bool Known = fstat(Fd, &Status) == 0;
    close(Fd);
    if (Known && !S_ISREG(Status.st_mode)) return Refusal + SpecialFileKind(Status.st_mode);
    return "";
}
