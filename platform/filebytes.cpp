#include "platform/filebytes.h"

#include "platform/bytearena.h"
#include "platform/filereading.h"
#include "platform/inouterror.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t BlockSize = 16 * 1024;

constexpr int NotARegularFileCode = 1; // ERROR_INVALID_FUNCTION
constexpr int NotEnoughMemoryCode = 8; // ERROR_NOT_ENOUGH_MEMORY
constexpr int FileTooLargeCode = 223;  // ERROR_FILE_TOO_LARGE

} // namespace

void TFileBytes::Reserve(std::size_t capacity, TByteArena* arena) {
    if (capacity <= m_capacity)
        return;
    std::shared_ptr<char[]> grown =
        arena ? arena->Allocate(capacity) : std::shared_ptr<char[]>(std::make_unique_for_overwrite<char[]>(capacity));
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

void ThrowTooLarge(std::size_t largest) {
    throw TInOutError::Because(FileTooLargeCode, "File too large (more than " + std::to_string(largest >> 20) + " MB)");
}

void ThrowNotARegularFile() {
    throw TInOutError::Because(NotARegularFileCode, "Not a regular file");
}

TFileBytes ReadWholeFile(std::size_t expected, std::size_t largest,
                         const std::function<std::size_t(char*, std::size_t)>& readSome, TByteArena* arena) {
    if (expected > largest)
        ThrowTooLarge(largest);
    try {
        TFileBytes bytes;
        bytes.Reserve(std::max<std::size_t>(expected, 1), arena); // never a null buffer, even for an empty file
        while (bytes.Size() < expected) {
            const std::size_t got = readSome(bytes.Data() + bytes.Size(), expected - bytes.Size());
            if (got == 0)
                return bytes;
            bytes.SetSize(bytes.Size() + got);
        }
        char block[BlockSize];
        while (const std::size_t got = readSome(block, sizeof block)) {
            if (bytes.Size() + got > largest)
                ThrowTooLarge(largest);
            bytes.Append(block, got);
        }
        return bytes;
    } catch (const std::bad_alloc&) {
        throw TInOutError::Because(NotEnoughMemoryCode, "Not enough memory to read the file");
    }
}
