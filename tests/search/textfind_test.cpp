#include "search/textfind.h"
#include "tests/support/songfixture.h"

#include <gtest/gtest.h>

namespace {

struct TTextCase {
    const char* Text;  // UTF-8; every character is one byte of code page 1250
    const char* Query; // UTF-8
    std::vector<TTextRange> Expected;
};

TEST(TextFind, FindsThePhraseFoldedAndGivesOriginalPositions) {
    const TTextCase cases[] = {
        {"Ő, te! Őszi eső", "o te", {{0, 5}}},
        {"Hull a levél,   hull a levél", "levél hull", {{7, 13}}},
        {"Hull a levél,   hull a levél", "LEVEL", {{7, 5}, {23, 5}}},
        {"kor kór kör kőr KŐR", "kor", {{0, 3}, {4, 3}, {8, 3}, {12, 3}, {16, 3}}},
        {"kor kór kör kőr KŐR", "kőr", {{12, 3}, {16, 3}}},
        {"...Szél!", "szel", {{3, 4}}},
        {"vége\r\nEleje", "vége, eleje", {{0, 11}}},
        {"virágom", "vir", {{0, 3}}},
        {"aaaa", "aa", {{0, 2}, {2, 2}}},
        {"abc", "abd", {}},
        {"abc", " ,. ", {}},
        {"", "a", {}},
    };
    for (const TTextCase& test : cases)
        EXPECT_EQ(test.Expected, FindInText(AnsiFromUtf8(test.Text), TQuery(AnsiFromUtf8(test.Query))))
            << test.Query << " in " << test.Text;
}

} // namespace
