#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

// Takes the line that starts at position, up to the next CR or end; moves
// position past the line end (the CR and one LF directly after it). Inline,
// as every line of every file passes through it.
inline std::string_view TakeLine(const char*& position, const char* end) {
    const char* start = position;
    const auto* found = static_cast<const char*>(std::memchr(start, '\r', static_cast<std::size_t>(end - start)));
    const char* lineEnd = found ? found : end;
    position = lineEnd;
    if (position < end) {
        ++position; // the CR
        if (position < end && *position == '\n')
            ++position;
    }
    return {start, static_cast<std::size_t>(lineEnd - start)};
}

// The lines of a paragraph. A paragraph's lines are consecutive lines of its
// song file, so they are kept as that stretch of the file's text, which the
// artist holds for as long as it lives, and split again while iterating: a
// library holds millions of short lines, and a record or copy of each would
// double both its memory and its load time.
class TLineList {
public:
    class const_iterator {
    public:
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;

        const_iterator() = default;
        const_iterator(const char* position, const char* end, std::size_t remaining);

        std::string_view operator*() const { return m_current; }
        const_iterator& operator++();
        bool operator==(const const_iterator& other) const { return m_remaining == other.m_remaining; }

    private:
        void Advance();

        const char* m_position = nullptr;
        const char* m_end = nullptr;
        std::size_t m_remaining = 0;
        std::string_view m_current;
    };

    TLineList() = default;
    // first: the start of the first line; last: the end of the last line's text.
    TLineList(const char* first, const char* last, std::size_t count) : m_first(first), m_last(last), m_count(count) {}

    std::size_t size() const { return m_count; }
    bool empty() const { return m_count == 0; }
    const_iterator begin() const { return {m_first, m_last, m_count}; }
    const_iterator end() const { return {}; }

private:
    const char* m_first = nullptr;
    const char* m_last = nullptr;
    std::size_t m_count = 0;
};
