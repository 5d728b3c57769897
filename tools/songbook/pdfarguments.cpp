#include "tools/songbook/pdfarguments.h"

#include "platform/ascii.h"
#include "tools/songbook/arguments.h"

#include <charconv>

namespace {

const std::string& Value(const std::vector<std::string>& words, std::size_t& index) {
    if (index + 1 == words.size())
        throw TUsageError(words[index] + " needs a value");
    return words[++index];
}

int WholeNumber(std::string_view text, const std::string& option) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        throw TUsageError(option + " takes whole numbers");
    return value;
}

std::array<int, 4> Margins(const std::string& text) {
    std::array<int, 4> margins{};
    std::size_t start = 0;
    for (std::size_t index = 0; index < margins.size(); ++index) {
        const std::size_t comma = text.find(',', start);
        if ((index + 1 < margins.size()) == (comma == std::string::npos))
            throw TUsageError("--margins takes four numbers of millimetres: TOP,BOTTOM,LEFT,RIGHT");
        margins[index] = WholeNumber(std::string_view(text).substr(start, comma - start), "--margins");
        start = comma + 1;
    }
    return margins;
}

std::string Paper(const std::string& text) {
    for (const char* known : {"A5", "A4", "Letter"}) {
        if (EqualsIgnoringAsciiCase(text, known))
            return known;
    }
    throw TUsageError("--paper takes A5, A4 or Letter");
}

} // namespace

bool TakePdfOption(const std::vector<std::string>& words, std::size_t& index, TPdfArguments& pdf) {
    const std::string& word = words[index];
    if (word == "--pdf")
        return pdf.Requested = true;
    if (word == "--paper")
        pdf.Paper = Paper(Value(words, index));
    else if (word == "--margins")
        pdf.Margins = Margins(Value(words, index));
    else if (word == "--columns") {
        pdf.Columns = WholeNumber(Value(words, index), word);
        if (pdf.Columns < 1 || pdf.Columns > 4)
            throw TUsageError("--columns takes 1 to 4");
    } else if (word == "--landscape")
        pdf.Landscape = true;
    else if (word == "--toc")
        pdf.Contents = true;
    else if (word == "--page-numbers")
        pdf.PageNumbers = true;
    else if (word == "--keep-verses")
        pdf.KeepVerses = true;
    else
        return false;
    pdf.LayoutOptions.push_back(word);
    return true;
}

bool IsPdfName(const std::string& path) {
    constexpr std::string_view Extension = ".pdf";
    return path.size() >= Extension.size() &&
           EqualsIgnoringAsciiCase(std::string_view(path).substr(path.size() - Extension.size()), Extension);
}
