// Any bytes as a set list file: every entry read is one line of UTF-8 with
// text on it, and what the program writes of the entries reads back as the
// same entries, so a set list changed in the window keeps its songs.

#include "fuzz/fuzzinput.h"
#include "platform/ascii.h"
#include "platform/unicode.h"
#include "setlist/setlistfile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> entries =
        ParseSetListText(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const std::string& entry : entries) {
        Require(IsValidUtf8(entry));
        Require(!IsBlank(entry));
        Require(entry.find_first_of("\r\n") == std::string::npos);
    }
    Require(ParseSetListText(SetListText(entries)) == entries);
    return 0;
}
