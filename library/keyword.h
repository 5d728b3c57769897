#pragma once

#include <string_view>

enum class TKeyword {
    None, // an empty command word or one that matches no keyword
    PageTitle,
    Artist,
    Title,
    Authors,
    Comment,
    New,
    Mine,
    Vulg,
    Normal,
    Verse,
    DefVerse,
    Chords,
    Tab,
    Details,
};

// Whole-word match, the ASCII letters compared without regard to case.
TKeyword MatchKeyword(std::string_view command);
