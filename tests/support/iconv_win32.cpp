#include "tests/support/songfixture.h"

#include <stdexcept>
#include <windows.h>

namespace {

UINT CodePage(std::string_view name) {
    if (name == "UTF-8")
        return CP_UTF8;
    if (name == "CP852")
        return 852;
    if (name == "CP1250")
        return 1250;
    throw std::runtime_error("no conversion for " + std::string(name));
}

std::wstring Decode(std::string_view bytes, std::string_view from) {
    if (from == "UTF-16LE")
        return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / 2);
    const UINT codePage = CodePage(from);
    const int length = static_cast<int>(bytes.size());
    const int size = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    if (length > 0 && MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), length, wide.data(), size) == 0)
        throw std::runtime_error("no conversion from " + std::string(from));
    return wide;
}

std::string Utf32(const std::wstring& wide) {
    std::string bytes;
    for (std::size_t i = 0; i < wide.size(); ++i) {
        char32_t point = wide[i];
        if (point >= 0xD800 && point < 0xDC00 && i + 1 < wide.size())
            point = 0x10000 + ((point - 0xD800) << 10) + (wide[++i] - 0xDC00);
        for (int shift = 0; shift < 32; shift += 8)
            bytes += static_cast<char>(point >> shift & 0xFF);
    }
    return bytes;
}

// A character the code page lacks is an error, as it is for iconv.
std::string Encode(const std::wstring& wide, std::string_view to) {
    if (to == "UTF-16LE")
        return std::string(reinterpret_cast<const char*>(wide.data()), wide.size() * 2);
    if (to == "UTF-32LE")
        return Utf32(wide);
    const UINT codePage = CodePage(to);
    const int length = static_cast<int>(wide.size());
    BOOL defaulted = FALSE;
    BOOL* lossy = codePage == CP_UTF8 ? nullptr : &defaulted;
    const DWORD flags = codePage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    const int size = WideCharToMultiByte(codePage, flags, wide.data(), length, nullptr, 0, nullptr, lossy);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(codePage, flags, wide.data(), length, bytes.data(), size, nullptr, lossy);
    if (defaulted)
        throw std::runtime_error("no conversion to " + std::string(to));
    return bytes;
}

} // namespace

std::string Iconv(std::string_view bytes, const char* from, const char* to) {
    return Encode(Decode(bytes, from), to);
}
