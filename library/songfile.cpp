#include "library/songfile.h"

#include "platform/codepage.h"
#include "platform/filebytes.h"

#include <cstring>

namespace {
constexpr char CarriageReturn = '\r';
constexpr char LineFeed = '\n';
constexpr char EndOfFileMark = 26; // Ctrl-Z
} // namespace

TSongFile::TSongFile(const std::string& path) : m_bytes(ReadFileBytes(path)) {
    const void* mark = std::memchr(m_bytes.data(), EndOfFileMark, m_bytes.size());
    m_end = mark ? static_cast<std::size_t>(static_cast<const char*>(mark) - m_bytes.data()) : m_bytes.size();
    // Converting the whole text at once equals converting line by line: the
    // mapping is byte for byte and leaves CR and LF alone.
    OemToAnsiInPlace(m_bytes.data(), m_end);
}

TCommandLine TSongFile::ReadCommandLine() {
    if (AtEnd())
        return {};
    const char* begin = m_bytes.data() + m_position;
    const void* found = std::memchr(begin, CarriageReturn, m_end - m_position);
    const std::size_t length =
        found ? static_cast<std::size_t>(static_cast<const char*>(found) - begin) : m_end - m_position;
    m_position += length;
    if (m_position < m_end) {
        ++m_position; // the CR
        if (m_position < m_end && m_bytes[m_position] == LineFeed)
            ++m_position;
    }
    return SplitCommandLine(std::string_view(begin, length), ++m_lineNumber);
}
