#include "tests/support/pdfwords.h"

#include "tests/support/externaltool.h"

#include <algorithm>
#include <cmath>
#include <regex>

namespace {

// pdftotext writes the words as XHTML: its five escapes are all it uses.
std::string Unescaped(const std::string& text) {
    static const std::vector<std::pair<std::string, std::string>> escapes = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
    std::string plain = text;
    for (const auto& [escape, character] : escapes) {
        for (std::size_t at = plain.find(escape); at != std::string::npos; at = plain.find(escape, at + 1))
            plain.replace(at, escape.size(), character);
    }
    return plain;
}

} // namespace

TPdfText ReadPdfWords(const std::string& pdf) {
    const std::string html = RunTool("pdftotext -bbox " + ShellQuoted(pdf) + " -");
    static const std::regex item(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    TPdfText text;
    for (auto match = std::sregex_iterator(html.begin(), html.end(), item); match != std::sregex_iterator(); ++match) {
        if ((*match)[0].str().starts_with("<page"))
            ++text.Pages;
        else
            text.Words.push_back({text.Pages, std::stod((*match)[1]), std::stod((*match)[2]), std::stod((*match)[3]),
                                  std::stod((*match)[4]), Unescaped((*match)[5])});
    }
    return text;
}

std::vector<std::vector<TPdfWord>> PdfLines(const TPdfText& text) {
    std::vector<TPdfWord> words = text.Words;
    std::stable_sort(words.begin(), words.end(), [](const TPdfWord& a, const TPdfWord& b) {
        return a.Page != b.Page ? a.Page < b.Page : a.YMin < b.YMin;
    });
    std::vector<std::vector<TPdfWord>> lines;
    for (const TPdfWord& word : words) {
        if (lines.empty() || lines.back().front().Page != word.Page ||
            std::abs(lines.back().front().YMin - word.YMin) > 1)
            lines.emplace_back();
        lines.back().push_back(word);
    }
    for (auto& line : lines)
        std::sort(line.begin(), line.end(), [](const TPdfWord& a, const TPdfWord& b) { return a.XMin < b.XMin; });
    return lines;
}
