#include "library/linelist.h"

#include "library/commandline.h"

#include <cstring>

namespace {
constexpr char CarriageReturn = '\r';
constexpr char LineFeed = '\n';
} // namespace

std::string_view TakeLine(const char*& position, const char* end) {
    const char* start = position;
    const auto* found =
        static_cast<const char*>(std::memchr(start, CarriageReturn, static_cast<std::size_t>(end - start)));
    const char* lineEnd = found ? found : end;
    position = lineEnd;
    if (position < end) {
        ++position; // the CR
        if (position < end && *position == LineFeed)
            ++position;
    }
    return {start, static_cast<std::size_t>(lineEnd - start)};
}

TLineList::const_iterator::const_iterator(const char* position, const char* end, std::size_t remaining)
    : m_position(position), m_end(end), m_remaining(remaining) {
    if (m_remaining > 0)
        Advance();
}

// A paragraph holds text lines only, so the text of each is what the split
// gives: the line itself, or what follows ". " (nothing for a lone ".").
void TLineList::const_iterator::Advance() {
    m_current = SplitCommandLine(TakeLine(m_position, m_end)).Text;
}

TLineList::const_iterator& TLineList::const_iterator::operator++() {
    if (--m_remaining > 0)
        Advance();
    return *this;
}
