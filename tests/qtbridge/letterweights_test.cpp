#include "qtbridge/letterweights.h"
#include "tests/support/songfixture.h"

#include <QCollator>
#include <QLocale>
#include <gtest/gtest.h>

namespace {

std::string Key(const TLetterWeights& weights, std::string_view utf8) {
    std::string key;
    weights.AppendKey(AnsiFromUtf8(utf8), key);
    return key;
}

struct TLetterCase {
    const char* First;
    const char* Second;
    int Order; // of the first's key to the second's: -1 before, 0 the same letters
};

// What the Hungarian collator's first level makes of letters, learnt from
// it: a name's key is its letters alone, each contraction one letter, a
// doubled one two, accents and case not counted.
TEST(LetterWeights, LearnHungarianLettersFromTheCollator) {
    const TLetterCase cases[] = {
        {"cukor", "csak", -1},  {"Cz", "Cs", -1},
        {"csak", "dal", -1},    {"dz", "dzs", -1},
        {"dzs", "e", -1},       {"gz", "gy", -1},
        {"zuhany", "zsák", -1}, {"válaszol", "válasszak", -1},
        {"Oszkár", "Ödön", -1}, {"ő", "p", -1},
        {"u", "ü", -1},         {"a b", "ab", -1},
        {"9", "a", -1},         {"10", "9", -1},
        {"-", "1", -1},         {"Alma", "álma", 0},
        {"alma", "ALMA", 0},    {"al\u00ADma", "alma", 0},
        {"ssz", "szsz", 0},     {"ccs", "cscs", 0},
        {"ddzs", "dzsdzs", 0},  {"Ő", "ö", 0},
        {"CS", "cs", 0},        {"ű", "ü", 0},
    };
    QCollator hungarian(QLocale(QLocale::Hungarian, QLocale::Hungary));
    hungarian.setCaseSensitivity(Qt::CaseSensitive);
    const TLetterWeights weights(hungarian);
    for (const TLetterCase& test : cases) {
        SCOPED_TRACE(std::string(test.First) + " / " + test.Second);
        const int order = Key(weights, test.First).compare(Key(weights, test.Second));
        EXPECT_EQ(test.Order, (order > 0) - (order < 0));
    }
    EXPECT_EQ("", Key(weights, ""));
}

} // namespace
