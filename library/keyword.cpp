#include "library/keyword.h"

#include "platform/ascii.h"

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<std::string_view, TKeyword>, 14> Keywords = {{
    {"pagetitle", TKeyword::PageTitle},
    {"artist", TKeyword::Artist},
    {"title", TKeyword::Title},
    {"authors", TKeyword::Authors},
    {"comment", TKeyword::Comment},
    {"new", TKeyword::New},
    {"mine", TKeyword::Mine},
    {"vulg", TKeyword::Vulg},
    {"normal", TKeyword::Normal},
    {"verse", TKeyword::Verse},
    {"defverse", TKeyword::DefVerse},
    {"chords", TKeyword::Chords},
    {"tab", TKeyword::Tab},
    {"details", TKeyword::Details},
}};

} // namespace

TKeyword MatchKeyword(std::string_view command) {
    for (const auto& [word, keyword] : Keywords) {
        if (EqualsIgnoringAsciiCase(command, word))
            return keyword;
    }
    return TKeyword::None;
}
