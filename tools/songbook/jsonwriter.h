#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

// JSON made in memory and handed to the stream in large pieces: a stream
// call per character took most of a dump's time. What is written is sent
// when it grows large, on Flush, and when the writer goes; a writer without
// a stream keeps all of it, for Text.
class TJsonWriter {
public:
    explicit TJsonWriter(std::ostream& out);
    TJsonWriter();
    ~TJsonWriter();
    TJsonWriter(const TJsonWriter&) = delete;
    TJsonWriter& operator=(const TJsonWriter&) = delete;

    // JSON syntax, numbers and the like, written as they are.
    TJsonWriter& Raw(std::string_view syntax);
    TJsonWriter& Number(long long number);
    TJsonWriter& Boolean(bool value);
    // A string literal of model text (code page 1250), converted to UTF-8.
    TJsonWriter& AnsiString(std::string_view ansiText);
    // A string literal of a file name taken as UTF-8, invalid bytes replaced by U+FFFD.
    TJsonWriter& PathString(std::string_view path);
    void Flush();
    std::string_view Text() const { return {m_buffer.data(), m_used}; }

private:
    char* Room(std::size_t bytes);

    std::ostream* m_out = nullptr;
    std::vector<char> m_buffer;
    std::size_t m_used = 0;
};

// The same literals written straight to a stream, for small outputs.
void WriteJsonAnsiString(std::ostream& out, std::string_view ansiText);
void WriteJsonPathString(std::ostream& out, std::string_view path);

// A path as UTF-8 for messages, invalid bytes replaced by U+FFFD.
std::string PathForDisplay(std::string_view path);
