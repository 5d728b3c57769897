#pragma once

#include <cstddef>
#include <string_view>

// Search compares text folded one byte at a time, so that a position in
// folded text maps back to one byte of the code page 1250 original.
//
// A letter with a diacritic folds to the base letter of its Unicode
// decomposition (ő, Ő, ö, ó to o; č, ř, ś, ż to c, r, s, z). ł and đ have no
// decomposition but fold to l and d, as they are typed where the keyboard
// lacks them. ß and µ have no one-letter base and stay themselves ("ss" does
// not find ß). Code page 1250 has no æ, œ or ø. The spacing accents (ˇ ˘ ˛ ˝ ´
// ¨ ¸ ˙), the undefined bytes and all other symbols are punctuation.

// The lowercase base letter or digit of a byte, or ' ' for punctuation and space.
char FoldLetter(char ansi);
// The lowercase form of a letter, accent kept (Ő to ő); digits stay, the rest is ' '.
char LowerLetter(char ansi);

// Folded text as the search scans it: one code per character. The low five
// bits of a letter's code number its base letter (1 for a ... 26 for z) and
// the top three bits its accent, so a plain query letter compares only the
// low bits and finds every accented form, while any other query character
// compares the whole code. Plain letters keep their ASCII codes.
constexpr unsigned char SpaceCode = ' ';
constexpr unsigned char LineEndCode = 0; // between lines; nothing a query holds matches it

unsigned char FoldedCode(char ansi);

// What a query character accepts in folded text: a code c with (c & Mask) == Value.
struct TCodeMatch {
    unsigned char Mask;
    unsigned char Value;
};

// A plain letter accepts every accent and case of it; an accented letter, a
// digit and the space accept only themselves (in either case).
TCodeMatch QueryCodeMatch(char ansi);

// Folds text for the search, calling emit(code, position) for every code:
// position is the byte of the original the code stands for. A run of
// punctuation and spaces becomes one space, and none is emitted at the start
// or the end, so "  Hej,  te! " folds as "hej te".
template <class TEmit> void FoldText(std::string_view ansi, TEmit&& emit) {
    constexpr std::size_t None = std::string_view::npos;
    std::size_t spaceAt = None;
    bool started = false;
    for (std::size_t i = 0; i < ansi.size(); ++i) {
        const unsigned char code = FoldedCode(ansi[i]);
        if (code == SpaceCode) {
            if (started && spaceAt == None)
                spaceAt = i;
            continue;
        }
        if (spaceAt != None)
            emit(SpaceCode, spaceAt);
        spaceAt = None;
        started = true;
        emit(code, i);
    }
}
