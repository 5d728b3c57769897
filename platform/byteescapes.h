#pragma once

#include "platform/ascii.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>

// What each byte of a text becomes in some output, itself or an escape of at
// most Copied bytes, made once. Writing copies up to seven bytes at a time,
// as far as the first that Mark marks (see MarkBytesToChange: exact up to
// the lowest byte marked), then the entry of the byte there whole, and moves
// on by the lengths: no branch per byte, nor per escape, whose places in
// lyrics no predictor guesses. A byte may be marked and still stay itself;
// bytes left unmarked must.
template <std::size_t Copied, std::uint64_t (*Mark)(std::uint64_t)> class TByteEscapes {
    static_assert(Copied >= 8, "the eight bytes copied at a time must not reach past an entry's room");

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
        const char* in = text.data();
        const char* const end = in + text.size();
        while (end - in >= 8) {
            std::uint64_t eight;
            std::memcpy(&eight, in, 8);
            std::memcpy(out, in, 8);
            // The eighth byte, marked or not, goes through its entry: 0 to 7 bytes are plain.
            const auto plain = static_cast<std::size_t>(std::countr_zero(Mark(eight) | std::uint64_t{1} << 63) / 8);
            out = WriteOne(out + plain, in[plain]);
            in += plain + 1;
        }
        while (in < end)
            out = WriteOne(out, *in++);
        return out;
    }

    void Append(std::string& out, std::string_view text) const {
        const std::size_t size = out.size();
        out.resize(size + RoomFor(text.size()));
        out.resize(static_cast<std::size_t>(Write(out.data() + size, text) - out.data()));
    }

private:
    char* WriteOne(char* out, char c) const {
        const auto byte = static_cast<unsigned char>(c);
        std::memcpy(out, m_bytes[byte], Copied);
        return out + m_sizes[byte];
    }

    char m_bytes[256][Copied] = {};
    std::uint8_t m_sizes[256] = {};
    std::size_t m_longest = 0;
};
