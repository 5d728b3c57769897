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

// Every line of every file is matched: its first letter narrows the
// keywords to at most two (the table will not build if three share one).
constexpr auto ByFirstLetter = [] {
    std::array<std::array<std::size_t, 2>, 26> table{}; // keyword index + 1; 0 for none
    for (std::size_t k = 0; k < Keywords.size(); ++k) {
        auto& letter = table[static_cast<std::size_t>(Keywords[k].first.front() - 'a')];
        if (letter[1] != 0)
            throw "three keywords share a first letter";
        letter[letter[0] == 0 ? 0 : 1] = k + 1;
    }
    return table;
}();

} // namespace

TKeyword MatchKeyword(std::string_view command) {
    const char first = command.empty() ? '\0' : AsciiLower(command.front());
    if (first < 'a' || first > 'z')
        return TKeyword::None;
    for (const std::size_t index : ByFirstLetter[static_cast<std::size_t>(first - 'a')]) {
        if (index != 0 && EqualsIgnoringAsciiCase(command, Keywords[index - 1].first))
            return Keywords[index - 1].second;
    }
    return TKeyword::None;
}
