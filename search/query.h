#pragma once

#include <string>
#include <string_view>
#include <vector>

// What the user typed in the search box, split into words. The text is in
// code page 1250, like the model: the caller converts it from the UI's
// UTF-8 (Utf8ToAnsi), and a character the code page lacks cannot be found.
class TQuery {
public:
    explicit TQuery(std::string_view ansi);

    // The words in lowercase, accents kept; punctuation and spaces split them.
    const std::vector<std::string>& Words() const { return m_words; }
    // The words joined by single spaces, for finding the whole phrase.
    const std::string& Phrase() const { return m_phrase; }
    bool Empty() const { return m_words.empty(); }

private:
    std::vector<std::string> m_words;
    std::string m_phrase;
};
