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

TFileBytes ReadFileBytes(const std::string& path) {
    const TFileDescriptor file(OpenForReading(path));
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0)
        ThrowInOutErrorFromErrno(errno);
    if (S_ISDIR(info.st_mode))
        ThrowInOutErrorFromErrno(EISDIR);

    TFileBytes bytes;
    const auto expected = static_cast<std::size_t>(info.st_size);
    bytes.Reserve(std::max<std::size_t>(expected, 1)); // never a null buffer, even for an empty file
    while (bytes.Size() < expected) {
        const std::size_t got = ReadSome(file.Get(), bytes.Data() + bytes.Size(), expected - bytes.Size());
        if (got == 0)
            return bytes;
        bytes.SetSize(bytes.Size() + got);
    }
    // The size was a hint only: the file may have grown, and some files report 0.
    char block[BlockSize];
    while (const std::size_t got = ReadSome(file.Get(), block, sizeof block))
        bytes.Append(block, got);
    return bytes;
}
