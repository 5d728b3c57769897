#pragma once

#include "library/commandline.h"
#include "platform/filebytes.h"

#include <cstddef>
#include <string>

// Far beyond any artist's songs (the largest real ones are a few megabytes),
// and within the 32-bit positions of the documents a song is shown in.
constexpr std::size_t LargestSongFile = std::size_t{1} << 30;

// An open song file, read whole and converted to code page 1250, handing out
// one split line at a time. Lines end at CR (a following LF belongs to it);
// a lone LF is an ordinary character; Ctrl-Z ends the file.
class TSongFile {
public:
    // The text goes into the arena, if one is given. Throws TInOutError.
    explicit TSongFile(const std::string& path, TByteArena* arena = nullptr);

    bool AtEnd() const { return m_position >= m_end; }
    // Past the end this yields an empty text line, as reading an exhausted file does.
    TCommandLine ReadCommandLine();

    // The converted text, which the lines handed out point into. Moving it
    // keeps those pointers valid; the file reads no further lines afterwards.
    TFileBytes TakeText();

private:
    TFileBytes m_bytes;
    std::size_t m_position = 0;
    std::size_t m_end = 0;
    std::size_t m_lineNumber = 0;
};
