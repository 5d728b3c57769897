#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>

// What each byte of a text becomes in some output, itself or an escape of at
// most Copied bytes, made once. Every byte's entry is copied whole and the
// write moves on by its length: no branch per byte, nor per escape, whose
// places in lyrics no predictor guesses (passing plain bytes over eight at a
// time was slower in Hungarian, which has an accent every few letters).
template <std::size_t Copied> class TByteEscapes {
public:
    // escape(byte) gives what the byte becomes, one to Copied bytes.
    template <class Escape> explicit TByteEscapes(Escape escape) {
        for (int byte = 0; byte < 256; ++byte) {
            const std::string text = escape(static_cast<unsigned char>(byte));
            if (text.empty() || text.size() > Copied)
                throw std::length_error("an escape must be 1 to " + std::to_string(Copied) + " bytes");
            std::memcpy(m_bytes[byte], text.data(), text.size());
            m_sizes[byte] = static_cast<std::uint8_t>(text.size());
            m_longest = std::max(m_longest, text.size());
        }
    }

    // The bytes Write may touch for a text of this size (it writes at most
    // Longest() a byte).
    std::size_t RoomFor(std::size_t size) const { return size * m_longest + Copied; }
    std::size_t Longest() const { return m_longest; }

    // Writes the text at out, which has RoomFor(text.size()) bytes; gives the end of what it wrote.
    char* Write(char* out, std::string_view text) const {
        for (const char c : text) {
            const auto byte = static_cast<unsigned char>(c);
            std::memcpy(out, m_bytes[byte], Copied);
            out += m_sizes[byte];
        }
        return out;
    }

    void Append(std::string& out, std::string_view text) const {
        const std::size_t size = out.size();
        out.resize(size + RoomFor(text.size()));
        out.resize(static_cast<std::size_t>(Write(out.data() + size, text) - out.data()));
    }

private:
    char m_bytes[256][Copied] = {};
    std::uint8_t m_sizes[256] = {};
    std::size_t m_longest = 0;
};
