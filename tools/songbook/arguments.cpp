#include "tools/songbook/arguments.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

constexpr std::array<std::string_view, 2> Commands = {"dump", "lint"};

bool IsCommand(const std::string& word) {
    return std::find(Commands.begin(), Commands.end(), word) != Commands.end();
}

} // namespace

TSongbookArguments ParseSongbookArguments(const std::vector<std::string>& arguments) {
    TSongbookArguments parsed;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& word = arguments[i];
        if (word == "--help" || word == "-h") {
            parsed.Help = true;
        } else if (word == "--data") {
            if (i + 1 == arguments.size())
                throw TUsageError("--data needs a folder");
            parsed.DataDirectory = arguments[++i];
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
    if (parsed.DataDirectory && !parsed.Files.empty())
        throw TUsageError("give either --data or file names, not both");
    return parsed;
}
