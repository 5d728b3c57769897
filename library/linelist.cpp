#include "library/linelist.h"

void TLineList::push_back(std::string_view line) {
    m_text.append(line);
    m_ends.push_back(m_text.size());
}

void TLineList::shrink_to_fit() {
    m_text.shrink_to_fit();
    m_ends.shrink_to_fit();
}

std::string_view TLineList::operator[](std::size_t index) const {
    const std::size_t begin = index == 0 ? 0 : m_ends[index - 1];
    return std::string_view(m_text).substr(begin, m_ends[index] - begin);
}
