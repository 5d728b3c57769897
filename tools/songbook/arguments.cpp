#include "tools/songbook/arguments.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

constexpr std::array<std::string_view, 5> Commands = {"dump", "export", "find", "lint", "settings"};

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
    if (option == "-o" || option == "--output")
        return &parsed.Output;
    return nullptr;
}

void CheckExport(const TSongbookArguments& parsed) {
    const int choices = int{parsed.Artist.has_value()} + int{parsed.Song.has_value()} + int{parsed.All};
    if (parsed.Command != "export") {
        if (choices > 0 || parsed.Output)
            throw TUsageError("--artist, --song, --all and -o belong to export");
        return;
    }
    if (parsed.Help)
        return;
    if (choices != 1)
        throw TUsageError("export needs one of --artist, --song or --all");
    if (!parsed.Output)
        throw TUsageError("export needs -o");
    if (!parsed.Files.empty())
        throw TUsageError("export takes no file names; use --data");
}

} // namespace

TSongbookArguments ParseSongbookArguments(const std::vector<std::string>& arguments) {
    TSongbookArguments parsed;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& word = arguments[i];
        if (word == "--help" || word == "-h") {
            parsed.Help = true;
        } else if (word == "--all") {
            parsed.All = true;
        } else if (word == "--json") {
            parsed.Json = true;
        } else if (auto* slot = ValueSlot(parsed, word)) {
            if (i + 1 == arguments.size())
                throw TUsageError(word + " needs a value");
            *slot = arguments[++i];
        } else if (word.starts_with("-")) {
            throw TUsageError("unknown option " + word);
        } else if (parsed.Command.empty()) {
            if (!IsCommand(word))
                throw TUsageError("unknown command " + word);
            parsed.Command = word;
        } else {
            parsed.Files.push_back(word);
        }
    }
    if (parsed.Command.empty() && !parsed.Help)
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
    CheckExport(parsed);
    return parsed;
}
