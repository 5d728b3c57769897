#include "chords/chord.h"

#include <algorithm>
#include <array>
#include <span>

namespace {

using TWords = std::span<const std::string_view>;

// Each list puts a word before any word it starts with, so that the longest
// one is taken.
constexpr std::array<std::string_view, 9> Qualities = {"maj", "min", "mi", "m", "M", "dim", "aug", "\xB0", "+"};
constexpr std::array<std::string_view, 9> Extensions = {"13", "11", "9", "7", "6/9", "6", "5", "4", "2"};
constexpr std::array<std::string_view, 8> Alterations = {"b13", "b11", "b9", "b5", "#13", "#11", "#9", "#5"};
constexpr std::array<std::string_view, 3> Suspensions = {"sus4", "sus2", "sus"};

bool Take(std::string_view& text, std::string_view word) {
    if (!text.starts_with(word))
        return false;
    text.remove_prefix(word.size());
    return true;
}

bool TakeAny(std::string_view& text, TWords words) {
    for (std::string_view word : words)
        if (Take(text, word))
            return true;
    return false;
}

// A word that needs an extension after it (add9, maj7) only counts with one.
bool TakeWithExtension(std::string_view& text, std::string_view word) {
    std::string_view rest = text;
    if (!Take(rest, word) || !TakeAny(rest, Extensions))
        return false;
    text = rest;
    return true;
}

bool TakeModifier(std::string_view& text) {
    return TakeAny(text, Suspensions) || TakeAny(text, Alterations) || TakeWithExtension(text, "add") ||
           TakeWithExtension(text, "maj") || Take(text, "+");
}

bool TakeGroupItem(std::string_view& text) {
    return TakeModifier(text) || TakeAny(text, Extensions);
}

bool TakeGroup(std::string_view& text) {
    std::string_view rest = text;
    if (!Take(rest, "(") || !TakeGroupItem(rest))
        return false;
    while (Take(rest, ","))
        if (!TakeGroupItem(rest))
            return false;
    if (!Take(rest, ")"))
        return false;
    text = rest;
    return true;
}

// The longest suffix at the start of text, which it removes.
std::string_view TakeSuffix(std::string_view& text) {
    const std::string_view start = text;
    TakeAny(text, Qualities);
    if (text.empty()) // most chords end here: C, Am
        return start;
    TakeAny(text, Extensions);
    while (TakeModifier(text)) {
    }
    while (TakeGroup(text)) {
    }
    return start.substr(0, start.size() - text.size());
}

// Brackets and bar lines (with the colons of repeats) that may stand against a chord.
constexpr std::string_view Openers = "([|:";
constexpr std::string_view Closers = ")]|:";

// Calls visit(piece) for each piece of text between dashes while it returns true.
template <class TVisit> bool VisitDashed(std::string_view text, TVisit&& visit) {
    for (std::size_t start = 0;;) {
        const std::size_t dash = text.find('-', start);
        if (!visit(text.substr(start, dash - start)))
            return false;
        if (dash == std::string_view::npos)
            return true;
        start = dash + 1;
    }
}

bool SkipNote(std::string_view& text) {
    const std::size_t length = NoteLength(text);
    text.remove_prefix(length);
    return length > 0;
}

// Whether the token is a chord, read without building one: the search asks
// this of every word where chords go. It does not depend on the notation:
// both read the same letters.
bool IsChord(std::string_view token) {
    if (!SkipNote(token))
        return false;
    TakeSuffix(token);
    return token.empty() || (Take(token, "/") && SkipNote(token) && token.empty());
}

// Chords joined by dashes, each a whole chord.
bool IsChordChain(std::string_view text) {
    return VisitDashed(text, IsChord);
}

} // namespace

std::optional<TChord> ParseChord(std::string_view token, TNotation notation) {
    if (!IsChord(token))
        return std::nullopt;
    TChord chord{*TakeNote(token, notation), std::string(TakeSuffix(token)), std::nullopt};
    if (Take(token, "/"))
        chord.Bass = TakeNote(token, notation);
    return chord;
}

// A closing bracket may end the suffix itself (Am7(b5)), so the fewest
// closers are taken that leave chords.
std::optional<TChordWordParts> SplitChordWord(std::string_view word) {
    if (word.empty() || (NoteLength(word) == 0 && Openers.find(word[0]) == std::string_view::npos))
        return std::nullopt; // most words of lyrics
    const std::size_t begin = std::min(word.find_first_not_of(Openers), word.size());
    const std::size_t closers = word.size() - 1 - std::min(word.find_last_not_of(Closers), word.size() - 1);
    for (std::size_t taken = 0; taken <= closers && begin + taken < word.size(); ++taken) {
        const std::string_view chords = word.substr(begin, word.size() - taken - begin);
        if (IsChordChain(chords))
            return TChordWordParts{word.substr(0, begin), chords, word.substr(word.size() - taken)};
    }
    return std::nullopt;
}

std::vector<TChord> ChainedChords(std::string_view chords, TNotation notation) {
    std::vector<TChord> parsed;
    VisitDashed(chords, [&](std::string_view piece) {
        std::optional<TChord> chord = ParseChord(piece, notation);
        if (chord)
            parsed.push_back(std::move(*chord));
        return chord.has_value();
    });
    return parsed;
}
