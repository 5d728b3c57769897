#include "library/songfile.h"

#include "library/linelist.h"
#include "platform/codepage.h"
#include "platform/filebytes.h"

#include <cstring>

namespace {
constexpr char EndOfFileMark = 26; // Ctrl-Z
} // namespace

TSongFile::TSongFile(const std::string& path, TByteArena* arena)
    : m_bytes(ReadFileBytes(path, LargestSongFile, arena)) {
    const void* mark = std::memchr(m_bytes.Data(), EndOfFileMark, m_bytes.Size());
    m_end = mark ? static_cast<std::size_t>(static_cast<const char*>(mark) - m_bytes.Data()) : m_bytes.Size();
    // Converting the whole text at once equals converting line by line: the
    // mapping is byte for byte and leaves CR and LF alone.
    OemToAnsiInPlace(m_bytes.Data(), m_end);
}

TCommandLine TSongFile::ReadCommandLine() {
    if (AtEnd())
        return {};
    const char* position = m_bytes.Data() + m_position;
    const std::string_view line = TakeLine(position, m_bytes.Data() + m_end);
    m_position = static_cast<std::size_t>(position - m_bytes.Data());
    return SplitCommandLine(line, ++m_lineNumber);
}

TFileBytes TSongFile::TakeText() {
    m_position = m_end;
    return std::move(m_bytes);
}
