#include "platform/filename.h"

#include "platform/ascii.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<std::string_view, 22> DeviceNames = {
    "con",  "prn",  "aux",  "nul",  "com1", "com2", "com3", "com4", "com5", "com6", "com7",
    "com8", "com9", "lpt1", "lpt2", "lpt3", "lpt4", "lpt5", "lpt6", "lpt7", "lpt8", "lpt9",
};

std::size_t StemLength(std::string_view name) {
    return std::min(name.find('.'), name.size());
}

#ifdef _WIN32
bool IsForbidden(char c) {
    return IsForbiddenOnWindows(c);
}

void AvoidDeviceName(std::string& name) {
    if (IsWindowsDeviceName(name))
        name.insert(StemLength(name), "_");
}
#else
constexpr std::string_view Forbidden("/\0", 2);

bool IsForbidden(char c) {
    return Forbidden.find(c) != std::string_view::npos;
}

void AvoidDeviceName(std::string&) {}
#endif

} // namespace

bool IsForbiddenOnWindows(char c) {
    constexpr std::string_view forbidden("/\\:*?\"<>|\0", 10);
    return forbidden.find(c) != std::string_view::npos || (c > 0 && c < ' ');
}

bool IsWindowsDeviceName(std::string_view name) {
    const std::string_view stem = name.substr(0, StemLength(name));
    return std::any_of(DeviceNames.begin(), DeviceNames.end(),
                       [stem](std::string_view device) { return EqualsIgnoringAsciiCase(stem, device); });
}

std::string SafeFileName(std::string_view title) {
    std::string name(title);
    std::replace_if(name.begin(), name.end(), IsForbidden, '_');
    if (name.empty() || name == "." || name == "..")
        return "_";
    AvoidDeviceName(name);
    return name;
}
