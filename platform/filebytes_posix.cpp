#include "platform/filebytes.h"
#include "platform/filereading.h"
#include "platform/inouterror.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

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

struct stat StatusOf(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        ThrowInOutErrorFromErrno(errno);
    return status;
}

// Only regular files are read: a pipe or a device named like a song file
// could block the program or never end. Opening without waiting, and
// checking that what was opened is what was looked at, keeps it so even if
// the name is swapped in between.
void RequireRegularFile(const struct stat& status) {
    if (S_ISDIR(status.st_mode))
        ThrowInOutErrorFromErrno(EISDIR);
    if (!S_ISREG(status.st_mode))
        ThrowNotARegularFile();
}

int OpenForReading(const std::string& path, const struct stat& looked) {
    int fd;
    do {
        fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        ThrowInOutErrorFromErrno(errno);
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || opened.st_dev != looked.st_dev || opened.st_ino != looked.st_ino) {
        ::close(fd);
        ThrowNotARegularFile();
    }
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

TFileBytes ReadFileBytes(const std::string& path, std::size_t largest, TByteArena* arena) {
    const struct stat status = StatusOf(path);
    RequireRegularFile(status);
    const auto expected = static_cast<std::size_t>(status.st_size);
    if (expected > largest) // refused before anything is opened
        ThrowTooLarge(largest);
    const TFileDescriptor file(OpenForReading(path, status));
    return ReadWholeFile(
        expected, largest, [&file](char* buffer, std::size_t size) { return ReadSome(file.Get(), buffer, size); },
        arena);
}
