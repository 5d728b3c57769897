#include "chords/chord.h"

#include <array>
#include <span>

namespace {

using TWords = std::span<const std::string_view>;

// Each list puts a word before any word it starts with, so that the longest
// one is taken.
constexpr std::array<std::string_view, 9> Qualities = {"maj", "min", "mi", "m", "M", "dim", "aug", "\xB0", "+"};
constexpr std::array<std::string_view, 8> Extensions = {"13", "11", "9", "7", "6", "5", "4", "2"};
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

bool IsSuffix(std::string_view text) {
    TakeAny(text, Qualities);
    TakeAny(text, Extensions);
    while (TakeModifier(text)) {
    }
    while (TakeGroup(text)) {
    }
    return text.empty();
}

} // namespace

std::optional<TChord> ParseChord(std::string_view token, TNotation notation) {
    std::optional<TNote> root = TakeNote(token, notation);
    if (!root)
        return std::nullopt;
    const std::size_t slash = token.find('/');
    const std::string_view suffix = token.substr(0, slash);
    if (!IsSuffix(suffix))
        return std::nullopt;
    TChord chord{*root, std::string(suffix), std::nullopt};
    if (slash == std::string_view::npos)
        return chord;
    std::string_view bass = token.substr(slash + 1);
    chord.Bass = TakeNote(bass, notation);
    if (!chord.Bass || !bass.empty())
        return std::nullopt;
    return chord;
}
