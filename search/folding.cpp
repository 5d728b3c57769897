#include "search/folding.h"

#include "platform/ascii.h"

#include <array>
#include <stdexcept>

namespace {

struct TLetterRow {
    unsigned char Capital;
    unsigned char Small;
    unsigned char Base;
};

// The letters of code page 1250 above ASCII with their base letters. A letter
// without a capital in the code page names its small form twice.
constexpr TLetterRow HighLetters[] = {
    {0x8A, 0x9A, 's'},  // Š š
    {0x8C, 0x9C, 's'},  // Ś ś
    {0x8D, 0x9D, 't'},  // Ť ť
    {0x8E, 0x9E, 'z'},  // Ž ž
    {0x8F, 0x9F, 'z'},  // Ź ź
    {0xA3, 0xB3, 'l'},  // Ł ł
    {0xB5, 0xB5, 0xB5}, // µ µ
    {0xA5, 0xB9, 'a'},  // Ą ą
    {0xAA, 0xBA, 's'},  // Ş ş
    {0xBC, 0xBE, 'l'},  // Ľ ľ
    {0xAF, 0xBF, 'z'},  // Ż ż
    {0xDF, 0xDF, 0xDF}, // ß ß
    {0xC0, 0xE0, 'r'},  // Ŕ ŕ
    {0xC1, 0xE1, 'a'},  // Á á
    {0xC2, 0xE2, 'a'},  // Â â
    {0xC3, 0xE3, 'a'},  // Ă ă
    {0xC4, 0xE4, 'a'},  // Ä ä
    {0xC5, 0xE5, 'l'},  // Ĺ ĺ
    {0xC6, 0xE6, 'c'},  // Ć ć
    {0xC7, 0xE7, 'c'},  // Ç ç
    {0xC8, 0xE8, 'c'},  // Č č
    {0xC9, 0xE9, 'e'},  // É é
    {0xCA, 0xEA, 'e'},  // Ę ę
    {0xCB, 0xEB, 'e'},  // Ë ë
    {0xCC, 0xEC, 'e'},  // Ě ě
    {0xCD, 0xED, 'i'},  // Í í
    {0xCE, 0xEE, 'i'},  // Î î
    {0xCF, 0xEF, 'd'},  // Ď ď
    {0xD0, 0xF0, 'd'},  // Đ đ
    {0xD1, 0xF1, 'n'},  // Ń ń
    {0xD2, 0xF2, 'n'},  // Ň ň
    {0xD3, 0xF3, 'o'},  // Ó ó
    {0xD4, 0xF4, 'o'},  // Ô ô
    {0xD5, 0xF5, 'o'},  // Ő ő
    {0xD6, 0xF6, 'o'},  // Ö ö
    {0xD8, 0xF8, 'r'},  // Ř ř
    {0xD9, 0xF9, 'u'},  // Ů ů
    {0xDA, 0xFA, 'u'},  // Ú ú
    {0xDB, 0xFB, 'u'},  // Ű ű
    {0xDC, 0xFC, 'u'},  // Ü ü
    {0xDD, 0xFD, 'y'},  // Ý ý
    {0xDE, 0xFE, 't'},  // Ţ ţ
};

constexpr unsigned char PlainAccent = 3; // 'a' is 0x61: accent 3, letter 1
constexpr int LetterBits = 0x1F;

constexpr bool IsBaseLetter(unsigned char c) {
    return c >= 'a' && c <= 'z';
}

// Accents are numbered per base letter in byte order, skipping the plain one.
constexpr unsigned char NextAccent(int& used) {
    int accent = used++;
    if (accent == PlainAccent)
        accent = used++;
    if (accent > 7)
        throw std::logic_error("a letter has more accented forms than three bits can tell apart");
    return static_cast<unsigned char>(accent);
}

// Digits, ß and µ have no base letter: they take codes whose low five bits
// (27..31) no letter uses.
constexpr unsigned char OtherCode(int index) {
    if (index >= 40)
        throw std::logic_error("too many characters without a base letter");
    return static_cast<unsigned char>((index / 5) << 5 | (27 + index % 5));
}

struct TFoldTables {
    std::array<unsigned char, 256> Base{};
    std::array<unsigned char, 256> Lower{};
    std::array<unsigned char, 256> Code{};
};

constexpr void AssignCodes(TFoldTables& tables) {
    std::array<unsigned char, 256> codeOfSmall{};
    std::array<int, LetterBits + 1> accentsUsed{};
    int othersUsed = 0;
    codeOfSmall[' '] = SpaceCode;
    for (int byte = 0; byte < 256; ++byte) {
        const unsigned char small = tables.Lower[byte];
        const unsigned char base = tables.Base[byte];
        if (small != byte || small == ' ')
            continue;
        if (!IsBaseLetter(base))
            codeOfSmall[small] = OtherCode(othersUsed++);
        else
            codeOfSmall[small] =
                (small == base ? PlainAccent : NextAccent(accentsUsed[base & LetterBits])) << 5 | (base & LetterBits);
    }
    for (int byte = 0; byte < 256; ++byte)
        tables.Code[byte] = codeOfSmall[tables.Lower[byte]];
}

constexpr TFoldTables MakeTables() {
    TFoldTables tables;
    tables.Base.fill(' ');
    tables.Lower.fill(' ');
    for (int byte = 0; byte < 0x80; ++byte) {
        const char c = AsciiLower(static_cast<char>(byte));
        if ((c >= '0' && c <= '9') || IsBaseLetter(static_cast<unsigned char>(c)))
            tables.Base[byte] = tables.Lower[byte] = static_cast<unsigned char>(c);
    }
    for (const TLetterRow& letter : HighLetters) {
        tables.Base[letter.Capital] = tables.Base[letter.Small] = letter.Base;
        tables.Lower[letter.Capital] = tables.Lower[letter.Small] = letter.Small;
    }
    AssignCodes(tables);
    return tables;
}

constexpr TFoldTables Tables = MakeTables();

unsigned char Index(char c) {
    return static_cast<unsigned char>(c);
}

} // namespace

char FoldLetter(char ansi) {
    return static_cast<char>(Tables.Base[Index(ansi)]);
}

char LowerLetter(char ansi) {
    return static_cast<char>(Tables.Lower[Index(ansi)]);
}

unsigned char FoldedCode(char ansi) {
    return Tables.Code[Index(ansi)];
}

TCodeMatch QueryCodeMatch(char ansi) {
    const unsigned char code = FoldedCode(ansi);
    const bool plainLetter = IsBaseLetter(Tables.Lower[Index(ansi)]);
    return plainLetter ? TCodeMatch{LetterBits, static_cast<unsigned char>(code & LetterBits)} : TCodeMatch{0xFF, code};
}
