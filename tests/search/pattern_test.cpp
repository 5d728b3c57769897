#include "search/pattern.h"
#include "tests/support/songfixture.h"

#include <gtest/gtest.h>

namespace {

std::vector<unsigned char> Folded(const std::string& ansi) {
    std::vector<unsigned char> codes;
    for (char c : ansi)
        codes.push_back(FoldedCode(c));
    return codes;
}

// Candidates come from 16-byte blocks: the word must be found at every offset
// of texts of every length around the block size, and never past the end,
// even when the bytes read beyond the end would complete it.
TEST(Pattern, FindsAtEveryOffsetAndNeverPastTheEnd) {
    const std::string word = AnsiFromUtf8("Szél");
    const TPattern pattern(AnsiFromUtf8("szel"));
    for (std::size_t length = 0; length < 50; ++length) {
        for (std::size_t offset = 0; offset <= length; ++offset) {
            std::string text = std::string(length, 'x') + word + std::string(TPattern::Overread, 'x');
            text.replace(offset, word.size(), word);
            const std::vector<unsigned char> codes = Folded(text);
            const unsigned char* const end = codes.data() + length;
            const unsigned char* const found = pattern.Find(codes.data(), end);
            const bool fits = offset + word.size() <= length;
            ASSERT_EQ(fits ? codes.data() + offset : end, found) << "length " << length << " offset " << offset;
        }
    }
}

} // namespace
