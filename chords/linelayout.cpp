#include "chords/linelayout.h"

#include <algorithm>

namespace {

std::string KeepingSeparators(std::string_view line, const std::vector<TToken>& tokens,
                              const std::vector<std::string>& texts) {
    std::string result;
    std::size_t copied = 0;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        result += line.substr(copied, tokens[i].Column - copied);
        result += texts[i];
        copied = tokens[i].Column + tokens[i].Text.size();
    }
    return result += line.substr(copied);
}

std::string KeepingColumns(std::string_view line, const std::vector<TToken>& tokens,
                           const std::vector<std::string>& texts) {
    std::string result;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const std::size_t column = i == 0 ? tokens[i].Column : std::max(tokens[i].Column, result.size() + 1);
        result.resize(column, ' ');
        result += texts[i];
    }
    if (line.ends_with(' '))
        result.resize(std::max(line.size(), result.size() + 1), ' ');
    return result;
}

} // namespace

std::vector<TToken> SplitTokens(std::string_view line) {
    std::vector<TToken> tokens;
    VisitTokens(line, [&tokens](TToken token) { tokens.push_back(token); });
    return tokens;
}

std::string LayOutTokens(std::string_view line, const std::vector<TToken>& tokens,
                         const std::vector<std::string>& texts) {
    if (line.find('\t') != std::string_view::npos)
        return KeepingSeparators(line, tokens, texts);
    return KeepingColumns(line, tokens, texts);
}
