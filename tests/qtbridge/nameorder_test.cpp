#include "qtbridge/nameorder.h"
#include "tests/support/songfixture.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>
#include <random>

namespace {

// Pieces that sort hard: letters read together (Hungarian cs, dzs, ssz as
// sz sz), accents, the letters of code page 1250, ß (read as ss), case,
// spaces, signs and digits.
const std::vector<std::string> Pieces = {
    "cs",  "Cs", "CS",  "cS", "ccs", "c",  "cu", "cz", "d", "dz", "dzs", "ddzs", "Dzs", "gy", "ggy", "Gy", "ly",
    "lly", "ny", "nny", "sz", "ssz", "Sz", "SZ", "s",  "ß", "ty", "tty", "zs",   "zzs", "z",  "a",   "á",  "Á",
    "A",   "e",  "é",   "o",  "ó",   "ö",  "ő",  "Ö",  "Ő", "u",  "ú",   "ü",    "ű",   "Ü",  "Ű",   "i",  "í",
    "ä",   "ô",  "č",   "ř",  "š",   "ž",  "ł",  "Ł",  "ą", "ę",  "ý",   "ů",    " ",   "-",  ".",   ",",  "'",
    "&",   "(",  ")",   "!",  "1",   "2",  "10", "9",  "–", "„",  "\t",  "x",    "Zs",  "y",  "Y",   "b",  "B"};

// Names of one to five pieces, some of them more than once, in code page 1250.
std::vector<std::string> MixedNames(std::size_t count, const std::vector<std::string>& pieces) {
    std::mt19937 random(19);
    std::uniform_int_distribution<std::size_t> piece(0, pieces.size() - 1);
    std::uniform_int_distribution<int> length(1, 5);
    std::vector<std::string> names;
    while (names.size() < count) {
        std::string name;
        for (int at = length(random); at > 0; --at)
            name += pieces[piece(random)];
        names.push_back(AnsiFromUtf8(name));
        if (names.size() % 7 == 0)
            names.push_back(names[names.size() / 2]);
    }
    return names;
}

// The collator's compare, letter case counted; equal names by code points, then as given.
std::vector<std::size_t> CollatorOrder(const std::vector<QString>& texts, const QLocale& language) {
    QCollator collator(language);
    collator.setCaseSensitivity(Qt::CaseSensitive);
    std::vector<std::size_t> order(texts.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const int compared = collator.compare(texts[a], texts[b]);
        return compared != 0 ? compared < 0 : texts[a] < texts[b];
    });
    return order;
}

struct TLanguageCase {
    const char* UserLocale;
    const char* SortsAs;
    std::vector<std::string> Names;
};

// Half the names ßa, then half st, which the letter weights misjudge: ß is
// one letter to them, ss to the collator. Each half falls into a part of
// the work of its own (on two or four cores), misplaced only where the
// parts meet.
std::vector<std::string> HalvesMisjudged() {
    std::vector<std::string> names(1000, AnsiFromUtf8("ßa"));
    names.resize(2000, "st");
    return names;
}

// Large enough to be sorted on every core. The letter weights misjudge ß:
// where nearly every name has it, the names misplaced are many and far
// from their places.
TEST(SortNames, LargeMixedListsComeInTheOrderOfTheCollatorsCompare) {
    const std::vector<std::string> mixed = MixedNames(6000, Pieces);
    const std::vector<TLanguageCase> cases = {
        {"C", "hu_HU", mixed},
        {"hu_HU", "hu_HU", mixed},
        {"en_US", "en_US", mixed},
        {"de_DE", "de_DE", mixed},
        {"cs_CZ", "cs_CZ", mixed},
        {"pl_PL", "pl_PL", mixed},
        {"de_DE", "de_DE", MixedNames(3000, {"ß", "s", "ss", "t", "a", "z", "Ss", "sz"})},
        {"de_DE", "de_DE", HalvesMisjudged()},
    };
    const QLocale before;
    for (const TLanguageCase& test : cases) {
        SCOPED_TRACE(test.UserLocale + std::string(" ") + std::to_string(test.Names.size()));
        QLocale::setDefault(QLocale(test.UserLocale));
        const std::vector<std::string_view> names(test.Names.begin(), test.Names.end());
        const TNameOrder sorted = SortNames(names);
        std::vector<QString> texts;
        for (const std::string& name : test.Names)
            texts.push_back(QString::fromStdString(Utf8FromAnsi(name)));
        EXPECT_EQ(texts, sorted.Texts);
        EXPECT_EQ(CollatorOrder(texts, QLocale(test.SortsAs)), sorted.Order);
    }
    QLocale::setDefault(before);
}

} // namespace
