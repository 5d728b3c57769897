#include "setlist/setlistfile.h"

#include "platform/ascii.h"
#include "platform/atomicfile.h"
#include "platform/codepage.h"
#include "platform/filebytes.h"
#include "platform/inouterror.h"
#include "platform/unicode.h"

#include <utility>

namespace {

// Far beyond any evening's songs; a larger file is not a set list.
constexpr std::size_t LargestSetListFile = 4 * 1024 * 1024;

constexpr std::string_view Bom = "\xEF\xBB\xBF";

// An editor that saves "ANSI" on a Hungarian Windows writes code page 1250.
// Set lists joined with cat bring their byte order marks into the lines.
std::string EntryText(std::string_view line) {
    while (line.starts_with(Bom))
        line.remove_prefix(Bom.size());
    return IsValidUtf8(line) ? std::string(line) : AnsiToUtf8(line);
}

} // namespace

std::vector<std::string> ParseSetListText(std::string_view bytes) {
    const std::string decoded = Utf8FromMarkedText(bytes);
    std::string_view text = decoded;
    std::vector<std::string> entries;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
        if (std::string entry = EntryText(text.substr(0, end)); !IsBlank(entry))
            entries.push_back(std::move(entry));
        const bool crLf = text.substr(end).starts_with("\r\n");
        text.remove_prefix(std::min(text.size(), end + (crLf ? 2 : 1)));
    }
    return entries;
}

std::string SetListText(const std::vector<std::string>& entries) {
    std::string text;
    for (const std::string& entry : entries)
        text += entry + '\n';
    return text;
}

// The library's reading rules apply: only a regular file, of a sane size.
std::vector<std::string> ReadSetListFile(const std::string& path) {
    try {
        return ParseSetListText(ReadFileBytes(path, LargestSetListFile).View());
    } catch (const TInOutError& error) {
        throw TSetListError(path + ": " + error.what());
    }
}

void WriteSetListFile(const std::string& path, const std::vector<std::string>& entries) {
    TAtomicFile file(path);
    if (!file.Open())
        throw TSetListError("Cannot create file " + path + ": " + file.FailureReason());
    if (!file.Write(SetListText(entries)) || !file.Commit())
        throw TSetListError("Failed to save " + path + ": " + file.FailureReason());
}
