// Any command line: the parser either gives arguments that make sense for
// their command, or a usage error; nothing else escapes it.

#include "fuzz/fuzzinput.h"
#include "tools/songbook/arguments.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> words = SplitInput(data, size, '\0', 64);
    try {
        const TSongbookArguments parsed = ParseSongbookArguments(words);
        Require(!parsed.Command.empty() || parsed.Help || parsed.Version);
        const int exports = int{parsed.Artist.has_value()} + int{parsed.Song.has_value()} + int{parsed.All} +
                            int{parsed.Set.has_value()};
        if (parsed.Command == "export" && !parsed.Help)
            Require(exports == 1 && parsed.Output.has_value() && parsed.Files.empty());
        if (parsed.Command == "transpose" && !parsed.Help)
            Require(parsed.Song && exports == 1 && !parsed.Output && parsed.Files.empty());
        if (parsed.Command != "export" && parsed.Command != "transpose")
            Require(exports == 0 && !parsed.Output);
        Require(parsed.Semitones >= -24 && parsed.Semitones <= 24 && parsed.Capo >= 0 && parsed.Capo <= 11);
        Require(!(parsed.DataDirectory && !parsed.Files.empty() && parsed.Command == "lint"));
        Require(!parsed.Json || parsed.Command == "find");
    } catch (const TUsageError&) {
    }
    return 0;
}
