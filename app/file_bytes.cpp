#include "app/file_bytes.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "log/file_kind.h"

namespace {

// Closes the descriptor however the read ends.
class TOpenFile {
public:
    explicit TOpenFile(int Descriptor) : Fd(Descriptor) {}
    ~TOpenFile()
    {
        if (Fd >= 0) close(Fd);
    }
    TOpenFile(const TOpenFile&) = delete;
    TOpenFile& operator=(const TOpenFile&) = delete;
    int Get() const { return Fd; }

private:
    int Fd;
};

std::string SystemReason(int Error) { return std::strerror(Error); }

} // namespace

std::optional<std::vector<uint8_t>> ReadRegularFile(const std::string& Path, uint64_t Limit, const TTooLarge& TooLarge,
                                                    std::string& Reason)
{
    const TOpenFile File(open(Path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (File.Get() < 0) {
        Reason = SystemReason(errno);
        return std::nullopt;
    }
    struct stat Status {};
    if (fstat(File.Get(), &Status) != 0) {
        Reason = SystemReason(errno);
        return std::nullopt;
    }
    if (S_ISDIR(Status.st_mode)) {
        Reason = SystemReason(EISDIR);
        return std::nullopt;
    }
    if (!S_ISREG(Status.st_mode)) {
        Reason = "not a regular file but " + SpecialFileKind(Status.st_mode);
        return std::nullopt;
    }
    if (static_cast<uint64_t>(Status.st_size) > Limit) {
        Reason = TooLarge(static_cast<uint64_t>(Status.st_size));
        return std::nullopt;
    }
    // Read to the end, one byte past the limit at most: the file may have
    // grown since it was measured.
    std::vector<uint8_t> Bytes(static_cast<size_t>(Status.st_size) + 1);
    size_t Got = 0;
    for (;;) {
        if (Got == Bytes.size()) {
            if (Bytes.size() > Limit) {
                Reason = TooLarge(Bytes.size());
                return std::nullopt;
            }
            Bytes.resize(std::min<uint64_t>(Limit + 1, Bytes.size() * 2));
        }
        const ssize_t Count = read(File.Get(), Bytes.data() + Got, Bytes.size() - Got);
        if (Count < 0 && errno == EINTR) continue;
        if (Count < 0) {
            Reason = SystemReason(errno);
            return std::nullopt;
        }
        if (Count == 0) break;
        Got += static_cast<size_t>(Count);
    }
    Bytes.resize(Got);
    return Bytes;
}
