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

// The descriptor of the file looked at, or -1 when the name has come to
// name another file since.
int OpenIfStillTheSame(const std::string& path, const struct stat& looked) {
    int fd;
    do {
        fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        ThrowInOutErrorFromErrno(errno);
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || opened.st_dev != looked.st_dev || opened.st_ino != looked.st_ino) {
        ::close(fd);
        return -1;
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

// A file saved whole by another program (or another running copy of this
// one) is renamed over the old one, which can happen between the look and
// the open: then the new file is looked at again, a few times.
TFileBytes ReadFileBytes(const std::string& path, std::size_t largest, TByteArena* arena) {
    constexpr int LooksAtAReplacedFile = 8;
    for (int look = 1;; ++look) {
        const struct stat status = StatusOf(path);
        RequireRegularFile(status);
        const auto expected = static_cast<std::size_t>(status.st_size);
        if (expected > largest) // refused before anything is opened
            ThrowTooLarge(largest);
        const int fd = OpenIfStillTheSame(path, status);
        if (fd < 0 && look < LooksAtAReplacedFile)
            continue;
        if (fd < 0)
            ThrowNotARegularFile();
        const TFileDescriptor file(fd);
        return ReadWholeFile(
            expected, largest, [&file](char* buffer, std::size_t size) { return ReadSome(file.Get(), buffer, size); },
            arena);
    }
}
