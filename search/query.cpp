#include "search/query.h"

#include "search/folding.h"

TQuery::TQuery(std::string_view ansi) {
    std::string word;
    for (std::size_t i = 0; i <= ansi.size(); ++i) {
        const char lower = i < ansi.size() ? LowerLetter(ansi[i]) : ' ';
        if (lower != ' ') {
            word += lower;
            continue;
        }
        if (word.empty())
            continue;
        m_phrase += (m_phrase.empty() ? "" : " ") + word;
        m_words.push_back(std::move(word));
        word.clear();
    }
}
