#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// What a Rich Text file of ours says, read back by a reader that knows our
// writer's vocabulary and nothing else: anything else is an error, so a
// test or fuzz target catches every byte the writer gets wrong.
struct TStrictRtf {
    std::vector<std::u32string> Fonts;
    std::u32string Text; // paragraphs end in '\r', as in the document model
};

class TStrictRtfError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

TStrictRtf ReadStrictRtf(std::string_view rtf);
