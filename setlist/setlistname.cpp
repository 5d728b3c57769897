#include "setlist/setlistname.h"

#include "platform/filename.h"
#include "platform/unicode.h"

#include <algorithm>

namespace {

// 255 bytes is the common limit of a file name; ".txt" and room to spare.
constexpr std::size_t LongestName = 240;

} // namespace

TSetNameProblem CheckSetListName(std::string_view name) {
    if (name.find_first_not_of(' ') == std::string_view::npos)
        return TSetNameProblem::Empty;
    if (!IsValidUtf8(name))
        return TSetNameProblem::NotText;
    if (std::any_of(name.begin(), name.end(), [](char c) { return IsForbiddenOnWindows(c) || c == '\x7f'; }))
        return TSetNameProblem::Forbidden;
    if (name.front() == '.' || name.front() == ' ' || name.back() == '.' || name.back() == ' ')
        return TSetNameProblem::Ends;
    if (IsWindowsDeviceName(name))
        return TSetNameProblem::Device;
    if (name.size() > LongestName)
        return TSetNameProblem::TooLong;
    return TSetNameProblem::None;
}
