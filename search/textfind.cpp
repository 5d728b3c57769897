#include "search/textfind.h"

#include "search/folding.h"
#include "search/pattern.h"

std::vector<TTextRange> FindInText(std::string_view ansiText, const TQuery& query) {
    std::vector<unsigned char> folded;
    std::vector<std::size_t> origins; // the original position of each folded code
    FoldText(ansiText, [&](unsigned char code, std::size_t position) {
        folded.push_back(code);
        origins.push_back(position);
    });
    const std::size_t size = folded.size();
    folded.resize(size + TPattern::Overread);
    const TPattern phrase(query.Phrase());
    std::vector<TTextRange> ranges;
    const unsigned char* const begin = folded.data();
    const unsigned char* const end = begin + size;
    for (const unsigned char* found = phrase.Find(begin, end); found != end;
         found = phrase.Find(found + phrase.Size(), end)) {
        // The phrase neither starts nor ends with a space, so its last code is one original byte.
        const std::size_t first = origins[found - begin];
        const std::size_t last = origins[found - begin + phrase.Size() - 1];
        ranges.push_back({first, last + 1 - first});
    }
    return ranges;
}
