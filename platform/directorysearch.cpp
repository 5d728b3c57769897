#include "platform/directorysearch.h"

#include "platform/ascii.h"

#include <filesystem>

namespace {

// '\' on Windows, where '/' also separates.
constexpr char Separator = static_cast<char>(std::filesystem::path::preferred_separator);

} // namespace

std::string JoinPath(const std::string& directory, const std::string& name) {
    const bool endsInSeparator = !directory.empty() && (directory.back() == '/' || directory.back() == Separator);
    return directory + (endsInSeparator ? "" : std::string(1, Separator)) + name;
}

bool IsSongFileName(std::string_view name) {
    constexpr std::string_view Extension = ".txt";
    if (name.size() < Extension.size())
        return false;
    return EqualsIgnoringAsciiCase(name.substr(name.size() - Extension.size()), Extension);
}
