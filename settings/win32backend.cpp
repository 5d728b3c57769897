#include "settings/win32backend.h"

#include "platform/codepage.h"
#include "platform/win32text.h"

#include <memory>
#include <type_traits>

namespace {

struct TKeyCloser {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
using TKey = std::unique_ptr<std::remove_pointer_t<HKEY>, TKeyCloser>;

std::wstring WideText(const std::string& ansi) {
    return WideFromUtf8(AnsiToUtf8(ansi));
}

// The section's key, or null; the empty section opens a second handle to the root.
TKey OpenSection(HKEY root, const std::string& section, REGSAM access) {
    HKEY key = nullptr;
    if (!root || RegOpenKeyExW(root, WideText(section).c_str(), 0, access, &key) != ERROR_SUCCESS)
        return nullptr;
    return TKey(key);
}

[[noreturn]] void Fail(const std::string& message, LONG error) {
    throw TSettingsError(message + ": " + Win32Reason(static_cast<DWORD>(error)));
}

// The text up to its first NUL; nullopt for one that code page 1250 cannot spell.
std::optional<std::string> AnsiText(const std::wstring& data) {
    return Utf8ToAnsi(Utf8FromWide(std::wstring_view(data.c_str())));
}

std::optional<std::string> ReadData(HKEY key, const std::wstring& name, const std::string& valueName) {
    for (;;) {
        DWORD type = 0;
        DWORD size = 0;
        LONG status = RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size);
        if (status == ERROR_FILE_NOT_FOUND)
            return std::nullopt;
        if (status != ERROR_SUCCESS)
            Fail("Failed to get data for '" + valueName + "'", status);
        if (size == 0)
            return std::string();
        if (type != REG_SZ && type != REG_EXPAND_SZ)
            throw TSettingsError("Invalid data type for '" + valueName + "'");
        std::wstring data(size / sizeof(wchar_t) + 1, L'\0');
        status = RegQueryValueExW(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
        if (status == ERROR_SUCCESS)
            return AnsiText(data);
        if (status != ERROR_MORE_DATA) // anything else but a value that grew meanwhile
            Fail("Failed to get data for '" + valueName + "'", status);
    }
}

} // namespace

TWin32RegistryBackend::TWin32RegistryBackend(const std::string& rootPath, TAccess access) : m_access(access) {
    const std::wstring root = WideText(rootPath);
    m_openError = access == TAccess::ReadWrite
                      ? RegCreateKeyExW(HKEY_CURRENT_USER, root.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                        KEY_ALL_ACCESS, nullptr, &m_root, nullptr)
                      : RegOpenKeyExW(HKEY_CURRENT_USER, root.c_str(), 0, KEY_READ, &m_root);
    if (m_openError == ERROR_SUCCESS)
        return;
    m_root = nullptr;
    // A first run of a program that only reads finds no key: that is no problem.
    if (access == TAccess::ReadWrite || m_openError != ERROR_FILE_NOT_FOUND)
        m_openProblem = "The settings key HKEY_CURRENT_USER\\" + AnsiToUtf8(rootPath) + " cannot be opened (" +
                        Win32Reason(static_cast<DWORD>(m_openError)) + "). The default settings are used.";
}

TWin32RegistryBackend::~TWin32RegistryBackend() {
    if (m_root)
        RegCloseKey(m_root);
}

std::optional<std::string> TWin32RegistryBackend::ReadString(const std::string& section, const std::string& name) {
    const REGSAM access = m_access == TAccess::ReadWrite ? KEY_ALL_ACCESS : KEY_READ;
    const TKey key = OpenSection(m_root, section, access);
    return key ? ReadData(key.get(), WideText(name), name) : std::nullopt;
}

// Every write creates its key anew and closes it at once, then opens it to set the value.
void TWin32RegistryBackend::WriteString(const std::string& section, const std::string& name, const std::string& text) {
    const std::string createFailure = "Failed to create key " + section;
    if (m_access == TAccess::ReadOnly)
        throw TSettingsError(createFailure + ": the settings are open for reading only");
    if (!m_root)
        Fail(createFailure, m_openError);
    HKEY created = nullptr;
    const LONG status = RegCreateKeyExW(m_root, WideText(section).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                        KEY_ALL_ACCESS, nullptr, &created, nullptr);
    if (status != ERROR_SUCCESS)
        Fail(createFailure, status);
    RegCloseKey(created);
    const TKey key = OpenSection(m_root, section, KEY_ALL_ACCESS);
    const std::wstring data = WideText(text);
    const LONG set =
        key ? RegSetValueExW(key.get(), WideText(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                             static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)))
            : ERROR_FILE_NOT_FOUND;
    if (set != ERROR_SUCCESS)
        Fail("Failed to set data for '" + name + "'", set);
}
