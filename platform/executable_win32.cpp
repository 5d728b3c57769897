#include "platform/executable.h"
#include "platform/win32text.h"

#include <windows.h>

namespace {

std::wstring ModuleFileName() {
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0)
            ThrowInOutErrorFromWin32(GetLastError());
        if (length < name.size()) {
            name.resize(length);
            return name;
        }
        name.resize(name.size() * 2); // cut off: a long path
    }
}

} // namespace

// "C:\Programs\Vivira" for C:\Programs\Vivira\vivira.exe; "C:\" for C:\vivira.exe.
std::string ExecutableDirectory() {
    const std::wstring name = ModuleFileName();
    std::size_t end = name.find_last_of(L"\\/");
    if (end == std::wstring::npos)
        return ".";
    if (end == 0 || name[end - 1] == L':')
        ++end;
    return Utf8FromWide(std::wstring_view(name).substr(0, end));
}
