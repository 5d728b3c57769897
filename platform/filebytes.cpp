#include "platform/filebytes.h"

#include "platform/inouterror.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t BlockSize = 16 * 1024;

class TFileDescriptor {
public:
    explicit TFileDescriptor(int fd) : m_fd(fd) {}
    ~TFileDescriptor() { ::close(m_fd); }
    TFileDescriptor(const TFileDescriptor&) = delete;
    TFileDescriptor& operator=(const TFileDescriptor&) = delete;
    int Get() const { return m_fd; }

private:
    int m_fd;
};

int OpenForReading(const std::string& path) {
    int fd;
    do {
        fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        ThrowInOutErrorFromErrno(errno);
    return fd;
}

std::size_t ReadSome(int fd, char* buffer, std::size_t size) {
    for (;;) {
        const ssize_t got = ::read(fd, buffer, size);
        if (got >= 0)
            return static_cast<std::size_t>(got);
        if (errno != EINTR)
            ThrowInOutErrorFromErrno(errno);
    }
}

} // namespace

std::string ReadFileBytes(const std::string& path) {
    const TFileDescriptor file(OpenForReading(path));
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0)
        ThrowInOutErrorFromErrno(errno);
    if (S_ISDIR(info.st_mode))
        ThrowInOutErrorFromErrno(EISDIR);

    std::string bytes(static_cast<std::size_t>(info.st_size), '\0');
    std::size_t used = 0;
    while (used < bytes.size()) {
        const std::size_t got = ReadSome(file.Get(), bytes.data() + used, bytes.size() - used);
        if (got == 0)
            break;
        used += got;
    }
    bytes.resize(used);
    // The size was a hint only: the file may have grown, and some files report 0.
    if (used == static_cast<std::size_t>(info.st_size)) {
        char block[BlockSize];
        while (const std::size_t got = ReadSome(file.Get(), block, sizeof block))
            bytes.append(block, got);
    }
    return bytes;
}
