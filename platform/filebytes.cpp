#include "platform/filebytes.h"

#include "platform/inouterror.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
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

constexpr int NotARegularFileCode = 1; // ERROR_INVALID_FUNCTION
constexpr int NotEnoughMemoryCode = 8; // ERROR_NOT_ENOUGH_MEMORY
constexpr int FileTooLargeCode = 223;  // ERROR_FILE_TOO_LARGE

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
        throw TInOutError::Because(NotARegularFileCode, "Not a regular file");
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
        throw TInOutError::Because(NotARegularFileCode, "Not a regular file");
    }
    return fd;
}

[[noreturn]] void ThrowTooLarge(std::size_t largest) {
    throw TInOutError::Because(FileTooLargeCode, "File too large (more than " + std::to_string(largest >> 20) + " MB)");
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

void TFileBytes::Reserve(std::size_t capacity) {
    if (capacity <= m_capacity)
        return;
    auto grown = std::make_unique_for_overwrite<char[]>(capacity);
    if (m_size > 0)
        std::memcpy(grown.get(), m_data.get(), m_size);
    m_data = std::move(grown);
    m_capacity = capacity;
}

void TFileBytes::Append(const char* bytes, std::size_t count) {
    if (m_size + count > m_capacity)
        Reserve(std::max(m_capacity * 2, m_size + count));
    std::memcpy(m_data.get() + m_size, bytes, count);
    m_size += count;
}

TFileBytes ReadFileBytes(const std::string& path, std::size_t largest) {
    const struct stat status = StatusOf(path);
    RequireRegularFile(status);
    const auto expected = static_cast<std::size_t>(status.st_size);
    if (expected > largest)
        ThrowTooLarge(largest);
    const TFileDescriptor file(OpenForReading(path, status));
    try {
        TFileBytes bytes;
        bytes.Reserve(std::max<std::size_t>(expected, 1)); // never a null buffer, even for an empty file
        while (bytes.Size() < expected) {
            const std::size_t got = ReadSome(file.Get(), bytes.Data() + bytes.Size(), expected - bytes.Size());
            if (got == 0)
                return bytes;
            bytes.SetSize(bytes.Size() + got);
        }
        // The size was a hint only: the file may have grown, and some files report 0.
        char block[BlockSize];
        while (const std::size_t got = ReadSome(file.Get(), block, sizeof block)) {
            if (bytes.Size() + got > largest)
                ThrowTooLarge(largest);
            bytes.Append(block, got);
        }
        return bytes;
    } catch (const std::bad_alloc&) {
        throw TInOutError::Because(NotEnoughMemoryCode, "Not enough memory to read the file");
    }
}
