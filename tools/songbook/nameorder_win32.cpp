#include "platform/codepage.h"
#include "tools/songbook/nameorder.h"

#include <algorithm>
#include <string>
#include <windows.h>

namespace {

struct TEntry {
    std::size_t Index;
    std::wstring Text;
    std::string Key;
};

// The system's sort key for the user's locale, as the viewer's collator
// makes it on Windows; compared byte by byte.
std::string SortKey(const std::wstring& text) {
    const int length = static_cast<int>(text.size());
    const int size =
        LCMapStringEx(LOCALE_NAME_USER_DEFAULT, LCMAP_SORTKEY, text.data(), length, nullptr, 0, nullptr, nullptr, 0);
    std::string key(static_cast<std::size_t>(std::max(size, 0)), '\0');
    if (size > 0)
        LCMapStringEx(LOCALE_NAME_USER_DEFAULT, LCMAP_SORTKEY, text.data(), length,
                      reinterpret_cast<LPWSTR>(key.data()), size, nullptr, nullptr, 0);
    return key;
}

std::wstring WideText(std::string_view ansi) {
    std::wstring text;
    text.reserve(ansi.size());
    for (char c : ansi)
        text += static_cast<wchar_t>(AnsiToUnicode(c));
    return text;
}

} // namespace

std::vector<std::size_t> TreeOrder(const std::vector<std::string_view>& names) {
    std::vector<TEntry> entries;
    entries.reserve(names.size());
    for (std::size_t index = 0; index < names.size(); ++index) {
        std::wstring text = WideText(names[index]);
        std::string key = SortKey(text);
        entries.push_back({index, std::move(text), std::move(key)});
    }
    std::ranges::stable_sort(
        entries, [](const TEntry& a, const TEntry& b) { return a.Key != b.Key ? a.Key < b.Key : a.Text < b.Text; });
    std::vector<std::size_t> order;
    order.reserve(entries.size());
    for (const TEntry& entry : entries)
        order.push_back(entry.Index);
    return order;
}
