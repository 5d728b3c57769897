#include "platform/filename.h"

#include <algorithm>

namespace {

#ifdef _WIN32
constexpr std::string_view Forbidden("/\\:*?\"<>|", 9);
#else
constexpr std::string_view Forbidden("/\0", 2);
#endif

} // namespace

std::string SafeFileName(std::string_view title) {
    std::string name(title);
    std::replace_if(
        name.begin(), name.end(), [](char c) { return Forbidden.find(c) != std::string_view::npos; }, '_');
    if (name.empty() || name == "." || name == "..")
        return "_";
    return name;
}
