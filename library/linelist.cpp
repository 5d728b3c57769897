#include "library/linelist.h"

#include "library/commandline.h"

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
