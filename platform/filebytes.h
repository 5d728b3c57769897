#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

class TByteArena;

// The whole content of a file, in one buffer that is not zeroed first: song
// files are read once, and clearing the buffer would cost as much as the read.
// The buffer is the bytes' own, or part of an arena's chunk.
class TFileBytes {
public:
    TFileBytes() = default;
    TFileBytes(TFileBytes&&) = default;
    TFileBytes& operator=(TFileBytes&&) = default;

    char* Data() { return m_data.get(); }
    std::size_t Size() const { return m_size; }
    std::string_view View() const { return {m_data.get(), m_size}; }

    void Append(const char* bytes, std::size_t count);
    // Room for capacity bytes, from the arena if one is given.
    void Reserve(std::size_t capacity, TByteArena* arena = nullptr);
    void SetSize(std::size_t size) { m_size = size; }

private:
    std::shared_ptr<char[]> m_data;
    std::size_t m_size = 0;
    std::size_t m_capacity = 0;
};

// Reads a regular file in large blocks. Throws TInOutError: a directory gives
// "File access denied"; a device, pipe or socket is refused without being
// opened in a way that could wait ("Not a regular file"); a file beyond
// largest bytes, or one there is no memory for, fails with its reason. The
// bytes go into the arena, if one is given, as far as the file's size said.
TFileBytes ReadFileBytes(const std::string& path, std::size_t largest, TByteArena* arena = nullptr);
