#include "platform/win32text.h"

#include "platform/inouterror.h"
#include "platform/unicode.h"

#include <windows.h>

std::wstring WideFromUtf8(std::string_view utf8) {
    const std::string bytes = Utf16FromUtf8(utf8);
    std::wstring wide(bytes.size() / 2, L'\0');
    for (std::size_t i = 0; i < wide.size(); ++i)
        wide[i] = static_cast<wchar_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                       static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
    return wide;
}

std::string Utf8FromWide(std::wstring_view wide) {
    std::string bytes;
    bytes.reserve(wide.size() * 2);
    for (wchar_t unit : wide) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8 & 0xFF);
    }
    return Utf8FromUtf16(bytes, false);
}

std::wstring Win32Path(std::string_view utf8) {
    std::wstring path = WideFromUtf8(utf8);
    // Room for the 8.3 name and the temporary names saves make beside a file.
    if (path.size() < MAX_PATH - 20 || path.starts_with(L"\\\\?\\"))
        return path;
    const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    std::wstring full(size, L'\0');
    const DWORD length = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
    if (length == 0 || length >= size)
        return path;
    full.resize(length);
    return full.starts_with(L"\\\\") ? L"\\\\?\\UNC\\" + full.substr(2) : L"\\\\?\\" + full;
}

std::string Win32Reason(unsigned long error) {
    wchar_t* text = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ALLOCATE_BUFFER,
                       nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring reason = length > 0 ? std::wstring(text, length) : std::wstring();
    LocalFree(text);
    while (!reason.empty() && (reason.back() == L'\r' || reason.back() == L'\n' || reason.back() == L' '))
        reason.pop_back();
    return reason.empty() ? "Error " + std::to_string(error) : Utf8FromWide(reason);
}

void ThrowInOutErrorFromWin32(unsigned long error) {
    throw TInOutError(static_cast<int>(error), Win32Reason(error));
}
