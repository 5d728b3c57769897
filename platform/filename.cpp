#include "platform/filename.h"

#include "platform/ascii.h"

#include <algorithm>
#include <array>

namespace {

#ifdef _WIN32
// Windows refuses these and every control character in a name, and takes
// the device names below for the device in any folder, with any extension.
constexpr std::string_view Forbidden("/\\:*?\"<>|\0", 10);
constexpr std::array<std::string_view, 22> DeviceNames = {
    "con",  "prn",  "aux",  "nul",  "com1", "com2", "com3", "com4", "com5", "com6", "com7",
    "com8", "com9", "lpt1", "lpt2", "lpt3", "lpt4", "lpt5", "lpt6", "lpt7", "lpt8", "lpt9",
};

bool IsForbidden(char c) {
    return Forbidden.find(c) != std::string_view::npos || (c > 0 && c < ' ');
}

void AvoidDeviceName(std::string& name) {
    const std::size_t stem = std::min(name.find('.'), name.size());
    for (std::string_view device : DeviceNames) {
        if (EqualsIgnoringAsciiCase(std::string_view(name).substr(0, stem), device))
            name.insert(stem, "_");
    }
}
#else
constexpr std::string_view Forbidden("/\0", 2);

bool IsForbidden(char c) {
    return Forbidden.find(c) != std::string_view::npos;
}

void AvoidDeviceName(std::string&) {}
#endif

} // namespace

std::string SafeFileName(std::string_view title) {
    std::string name(title);
    std::replace_if(name.begin(), name.end(), IsForbidden, '_');
    if (name.empty() || name == "." || name == "..")
        return "_";
    AvoidDeviceName(name);
    return name;
}
