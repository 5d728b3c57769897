#include "platform/codepage.h"
#include "search/folding.h"
#include "tests/support/songfixture.h"

#include <gtest/gtest.h>
#include <optional>
#include <set>

namespace {

struct TUnicodeLetter {
    char32_t Capital;
    char32_t Small;
    char32_t Base;
};

// The letters of code page 1250 beyond ASCII as the Unicode character
// database has them: capital (the small letter again when it has none in the
// code page), small, and the first character of the canonical decomposition.
// Kept by code point, apart from the folding table's byte layout.
constexpr TUnicodeLetter UnicodeLetters[] = {
    {0x00B5, 0x00B5, 0x00B5}, // MICRO SIGN: no Latin base, stays itself
    {0x00DF, 0x00DF, 0x00DF}, // SHARP S: no one-letter base, stays itself
    {0x00C1, 0x00E1, U'a'},   // A WITH ACUTE
    {0x00C2, 0x00E2, U'a'},   // A WITH CIRCUMFLEX
    {0x00C4, 0x00E4, U'a'},   // A WITH DIAERESIS
    {0x00C7, 0x00E7, U'c'},   // C WITH CEDILLA
    {0x00C9, 0x00E9, U'e'},   // E WITH ACUTE
    {0x00CB, 0x00EB, U'e'},   // E WITH DIAERESIS
    {0x00CD, 0x00ED, U'i'},   // I WITH ACUTE
    {0x00CE, 0x00EE, U'i'},   // I WITH CIRCUMFLEX
    {0x00D3, 0x00F3, U'o'},   // O WITH ACUTE
    {0x00D4, 0x00F4, U'o'},   // O WITH CIRCUMFLEX
    {0x00D6, 0x00F6, U'o'},   // O WITH DIAERESIS
    {0x00DA, 0x00FA, U'u'},   // U WITH ACUTE
    {0x00DC, 0x00FC, U'u'},   // U WITH DIAERESIS
    {0x00DD, 0x00FD, U'y'},   // Y WITH ACUTE
    {0x0102, 0x0103, U'a'},   // A WITH BREVE
    {0x0104, 0x0105, U'a'},   // A WITH OGONEK
    {0x0106, 0x0107, U'c'},   // C WITH ACUTE
    {0x010C, 0x010D, U'c'},   // C WITH CARON
    {0x010E, 0x010F, U'd'},   // D WITH CARON
    {0x0110, 0x0111, U'd'},   // D WITH STROKE: no decomposition, d by choice
    {0x0118, 0x0119, U'e'},   // E WITH OGONEK
    {0x011A, 0x011B, U'e'},   // E WITH CARON
    {0x0139, 0x013A, U'l'},   // L WITH ACUTE
    {0x013D, 0x013E, U'l'},   // L WITH CARON
    {0x0141, 0x0142, U'l'},   // L WITH STROKE: no decomposition, l by choice
    {0x0143, 0x0144, U'n'},   // N WITH ACUTE
    {0x0147, 0x0148, U'n'},   // N WITH CARON
    {0x0150, 0x0151, U'o'},   // O WITH DOUBLE ACUTE
    {0x0154, 0x0155, U'r'},   // R WITH ACUTE
    {0x0158, 0x0159, U'r'},   // R WITH CARON
    {0x015A, 0x015B, U's'},   // S WITH ACUTE
    {0x015E, 0x015F, U's'},   // S WITH CEDILLA
    {0x0160, 0x0161, U's'},   // S WITH CARON
    {0x0162, 0x0163, U't'},   // T WITH CEDILLA
    {0x0164, 0x0165, U't'},   // T WITH CARON
    {0x016E, 0x016F, U'u'},   // U WITH RING ABOVE
    {0x0170, 0x0171, U'u'},   // U WITH DOUBLE ACUTE
    {0x0179, 0x017A, U'z'},   // Z WITH ACUTE
    {0x017B, 0x017C, U'z'},   // Z WITH DOT ABOVE
    {0x017D, 0x017E, U'z'},   // Z WITH CARON
};

std::optional<TUnicodeLetter> ExpectedLetter(char32_t code) {
    if (code >= U'A' && code <= U'Z')
        code += U'a' - U'A';
    if ((code >= U'a' && code <= U'z') || (code >= U'0' && code <= U'9'))
        return TUnicodeLetter{code, code, code};
    for (const TUnicodeLetter& letter : UnicodeLetters) {
        if (letter.Capital == code || letter.Small == code)
            return letter;
    }
    return std::nullopt;
}

TEST(Folding, EveryByteFoldsAsItsUnicodeLetter) {
    std::set<char32_t> found;
    for (int byte = 0; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        const auto expected = ExpectedLetter(AnsiToUnicode(c));
        if (!expected) {
            EXPECT_EQ(' ', FoldLetter(c)) << "byte " << byte;
            EXPECT_EQ(' ', LowerLetter(c)) << "byte " << byte;
            continue;
        }
        found.insert(expected->Small);
        EXPECT_EQ(expected->Small, AnsiToUnicode(LowerLetter(c))) << "byte " << byte;
        EXPECT_EQ(expected->Base, AnsiToUnicode(FoldLetter(c))) << "byte " << byte;
    }
    EXPECT_EQ(26 + 10 + std::size(UnicodeLetters), found.size());
}

// The search's contract on one character: a plain query letter accepts every
// text character with its base letter, any other query character only its
// own lowercase form; nothing in a query accepts the line end.
TEST(Folding, QueryCharactersAcceptExactlyTheirFolds) {
    for (int q = 0; q < 256; ++q) {
        const char query = static_cast<char>(q);
        if (LowerLetter(query) == ' ')
            continue;
        const TCodeMatch match = QueryCodeMatch(query);
        const bool plain = FoldLetter(query) == LowerLetter(query) && FoldLetter(query) >= 'a';
        for (int t = 0; t < 256; ++t) {
            const char text = static_cast<char>(t);
            const bool expected =
                plain ? FoldLetter(text) == FoldLetter(query) : LowerLetter(text) == LowerLetter(query);
            ASSERT_EQ(expected, (FoldedCode(text) & match.Mask) == match.Value) << "query " << q << " text " << t;
        }
        EXPECT_NE(match.Value, LineEndCode & match.Mask) << "query " << q;
    }
    const TCodeMatch space = QueryCodeMatch(' ');
    for (int t = 0; t < 256; ++t)
        EXPECT_EQ(FoldLetter(static_cast<char>(t)) == ' ',
                  (FoldedCode(static_cast<char>(t)) & space.Mask) == space.Value);
}

} // namespace
