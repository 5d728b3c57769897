#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The lines of a paragraph, kept in one buffer: a song library holds millions
// of short lines, and one allocation per line would double its memory.
class TLineList {
public:
    class const_iterator {
    public:
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        const_iterator(const TLineList* list, std::size_t index) : m_list(list), m_index(index) {}
        std::string_view operator*() const { return (*m_list)[m_index]; }
        const_iterator& operator++() {
            ++m_index;
            return *this;
        }
        bool operator==(const const_iterator& other) const = default;

    private:
        const TLineList* m_list;
        std::size_t m_index;
    };

    void push_back(std::string_view line);
    void shrink_to_fit();

    std::size_t size() const { return m_ends.size(); }
    bool empty() const { return m_ends.empty(); }
    std::string_view operator[](std::size_t index) const;
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

private:
    std::string m_text;
    std::vector<std::size_t> m_ends;
};
