#include "chords/linelayout.h"

#include <gtest/gtest.h>

namespace {

struct TLayoutCase {
    std::string_view Line;
    std::vector<std::string> Texts;
    std::string_view Expected;
};

TEST(LayOutTokens, KeepsColumnsAsFarAsTheNewTextsAllow) {
    const TLayoutCase cases[] = {
        {"C  G", {"Db", "Ab"}, "Db Ab"},                    // room in the gap
        {"C G  D", {"Dbmaj7", "Ab", "Eb"}, "Dbmaj7 Ab Eb"}, // pushed by the least, along a chain
        {"C G      D", {"C#m7", "G", "D"}, "C#m7 G   D"},   // a wide gap absorbs the push
        {"C#m7 G", {"C", "A"}, "C    A"},                   // shorter text padded
        {"   C   G", {"Db", "Ab"}, "   Db  Ab"},
        {"C#m7", {"C"}, "C"},        // no trailing spaces added
        {"C#m7  ", {"C"}, "C     "}, // trailing spaces keep the length...
        {"C  ", {"C#m7"}, "C#m7 "},  // ...and at least one of them
        {"    ", {}, "    "},
        {" C  G\t", {"C#m7", "A"}, " C#m7  A\t"}, // a tab line keeps its separators
    };
    for (const TLayoutCase& c : cases) {
        const std::vector<TToken> tokens = SplitTokens(c.Line);
        ASSERT_EQ(c.Texts.size(), tokens.size()) << c.Line;
        EXPECT_EQ(c.Expected, LayOutTokens(c.Line, tokens, c.Texts));
    }
}

} // namespace
