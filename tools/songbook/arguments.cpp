#include "tools/songbook/arguments.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <string_view>

namespace {

constexpr std::array<std::string_view, 6> Commands = {"dump", "export", "find", "lint", "settings", "transpose"};

bool IsCommand(const std::string& word) {
    return std::find(Commands.begin(), Commands.end(), word) != Commands.end();
}

// The option's value slot, or nullptr for an option that takes no value.
std::optional<std::string>* ValueSlot(TSongbookArguments& parsed, const std::string& option) {
    if (option == "--data")
        return &parsed.DataDirectory;
    if (option == "--artist")
        return &parsed.Artist;
    if (option == "--song")
        return &parsed.Song;
    if (option == "--set")
        return &parsed.Set;
    if (option == "-o" || option == "--output")
        return &parsed.Output;
    return nullptr;
}

// A whole number within the bounds, or a usage error naming the option. A
// leading + is taken, as the song windows' captions write shifts up ("+2").
int NumberArgument(const std::string& option, const std::string& text, int lowest, int highest) {
    const bool plus = text.size() > 1 && text[0] == '+' && std::isdigit(static_cast<unsigned char>(text[1]));
    const char* const begin = text.data() + (plus ? 1 : 0);
    int value = 0;
    const auto [end, error] = std::from_chars(begin, text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < lowest || value > highest)
        throw TUsageError(option + " takes a whole number from " + std::to_string(lowest) + " to " +
                          std::to_string(highest));
    return value;
}

// transpose names one song and how far: --song "ARTIST - TITLE" N.
void CheckTranspose(TSongbookArguments& parsed) {
    if (parsed.Command != "transpose" || parsed.Help)
        return;
    if (!parsed.Song || parsed.Artist || parsed.All || parsed.Set || parsed.Output)
        throw TUsageError("transpose needs --song \"ARTIST - TITLE\" and nothing else to name");
    if (parsed.Files.size() != 1)
        throw TUsageError("transpose needs the number of semitones");
    parsed.Semitones = NumberArgument("transpose", parsed.Files.front(), -24, 24);
    parsed.Files.clear();
}

void CheckExport(const TSongbookArguments& parsed) {
    const int choices =
        int{parsed.Artist.has_value()} + int{parsed.Song.has_value()} + int{parsed.All} + int{parsed.Set.has_value()};
    if (parsed.Command != "export") {
        if (parsed.Command != "transpose" && (choices > 0 || parsed.Output))
            throw TUsageError("--artist, --song, --all, --set and -o belong to export");
        if (parsed.Pdf.Requested || !parsed.Pdf.LayoutOptions.empty())
            throw TUsageError("--pdf and the page layout options belong to export");
        return;
    }
    if (parsed.Help)
        return;
    if (choices != 1)
        throw TUsageError("export needs one of --artist, --song, --all or --set");
    if (!parsed.Output)
        throw TUsageError("export needs -o");
    if (!parsed.Files.empty())
        throw TUsageError("export takes no file names; use --data");
    if (!parsed.Pdf.LayoutOptions.empty() && !ExportsPdf(parsed))
        throw TUsageError(parsed.Pdf.LayoutOptions.front() + " belongs to PDF: -o FILE.pdf, or --pdf with --all");
}

} // namespace

bool ExportsPdf(const TSongbookArguments& arguments) {
    return arguments.Pdf.Requested || (!arguments.All && arguments.Output && IsPdfName(*arguments.Output));
}

TSongbookArguments ParseSongbookArguments(const std::vector<std::string>& arguments) {
    TSongbookArguments parsed;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& word = arguments[i];
        if (word == "--help" || word == "-h") {
            parsed.Help = true;
        } else if (word == "--version") {
            parsed.Version = true;
        } else if (word == "--all") {
            parsed.All = true;
        } else if (word == "--json") {
            parsed.Json = true;
        } else if (word == "--transpose" || word == "--capo") {
            if (i + 1 == arguments.size())
                throw TUsageError(word + " needs a value");
            if (word == "--transpose")
                parsed.Semitones = NumberArgument(word, arguments[++i], -24, 24);
            else
                parsed.Capo = NumberArgument(word, arguments[++i], 0, 11);
            parsed.Shifted = true;
        } else if (TakePdfOption(arguments, i, parsed.Pdf)) {
            continue;
        } else if (auto* slot = ValueSlot(parsed, word)) {
            if (i + 1 == arguments.size())
                throw TUsageError(word + " needs a value");
            *slot = arguments[++i];
        } else if (word.starts_with("-") && !(word.size() > 1 && std::isdigit(static_cast<unsigned char>(word[1])))) {
            throw TUsageError("unknown option " + word);
        } else if (parsed.Command.empty()) {
            if (!IsCommand(word))
                throw TUsageError("unknown command " + word);
            parsed.Command = word;
        } else {
            parsed.Files.push_back(word);
        }
    }
    if (parsed.Command.empty() && !parsed.Help && !parsed.Version)
        throw TUsageError("no command given");
    if (parsed.Command == "dump" && !parsed.Files.empty())
        throw TUsageError("dump takes no file names; use --data");
    if (parsed.Command == "find" && parsed.Files.empty() && !parsed.Help)
        throw TUsageError("find needs the words to look for");
    if (parsed.Json && parsed.Command != "find")
        throw TUsageError("--json belongs to find");
    if (parsed.Command == "settings" && (parsed.DataDirectory || !parsed.Files.empty()))
        throw TUsageError("settings takes no folder or file names");
    if (parsed.DataDirectory && !parsed.Files.empty() && parsed.Command == "lint")
        throw TUsageError("give either --data or file names, not both");
    if (parsed.Shifted && parsed.Command != "export" && parsed.Command != "transpose")
        throw TUsageError("--transpose and --capo belong to export and transpose");
    CheckTranspose(parsed);
    CheckExport(parsed);
    return parsed;
}
