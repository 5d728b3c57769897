#include "search/query.h"
#include "tests/support/songfixture.h"

#include <gtest/gtest.h>

namespace {

struct TQueryCase {
    const char* Typed; // UTF-8
    std::vector<std::string> Words;
    const char* Phrase;
};

TEST(Query, SplitsAtPunctuationAndSpacesAndLowersKeepingAccents) {
    const TQueryCase cases[] = {
        {"", {}, ""},
        {"  ,.;!? –", {}, ""},
        {"Szél", {"szél"}, "szél"},
        {"ŐSZI,eső!!   VONAT ", {"őszi", "eső", "vonat"}, "őszi eső vonat"},
        {"rock'n'roll", {"rock", "n", "roll"}, "rock n roll"},
        {"ŁÓDŹ 2024", {"łódź", "2024"}, "łódź 2024"},
    };
    for (const TQueryCase& test : cases) {
        const TQuery query(AnsiFromUtf8(test.Typed));
        std::vector<std::string> words;
        for (const std::string& word : query.Words())
            words.push_back(Utf8FromAnsi(word));
        EXPECT_EQ(test.Words, words) << test.Typed;
        EXPECT_EQ(test.Phrase, Utf8FromAnsi(query.Phrase())) << test.Typed;
        EXPECT_EQ(test.Words.empty(), query.Empty()) << test.Typed;
    }
}

} // namespace
