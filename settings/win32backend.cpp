#include "settings/win32backend.h"

#include <cstring>
#include <memory>
#include <type_traits>

namespace {

struct TKeyCloser {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
using TKey = std::unique_ptr<std::remove_pointer_t<HKEY>, TKeyCloser>;

// The section's key, or null; the empty section opens a second handle to the root.
TKey OpenSection(HKEY root, const std::string& section) {
    HKEY key = nullptr;
    if (!root || RegOpenKeyExA(root, section.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return nullptr;
    return TKey(key);
}

} // namespace

TWin32RegistryBackend::TWin32RegistryBackend(const std::string& rootPath) {
    if (RegCreateKeyExA(HKEY_CURRENT_USER, rootPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &m_root, nullptr) != ERROR_SUCCESS)
        m_root = nullptr;
}

TWin32RegistryBackend::~TWin32RegistryBackend() {
    if (m_root)
        RegCloseKey(m_root);
}

std::optional<std::string> TWin32RegistryBackend::ReadString(const std::string& section, const std::string& name) {
    const TKey key = OpenSection(m_root, section);
    if (!key)
        return std::nullopt;
    DWORD type = 0;
    DWORD size = 0;
    const LONG found = RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, nullptr, &size);
    if (found == ERROR_FILE_NOT_FOUND)
        return std::nullopt;
    if (found != ERROR_SUCCESS)
        throw TSettingsError("Failed to get data for '" + name + "'");
    if (size == 0)
        return std::string();
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        throw TSettingsError("Invalid data type for '" + name + "'");
    std::string data(size, '\0');
    if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) !=
        ERROR_SUCCESS)
        throw TSettingsError("Failed to get data for '" + name + "'");
    data.resize(strnlen(data.data(), std::min<std::size_t>(size, data.size())));
    return data;
}

void TWin32RegistryBackend::WriteString(const std::string& section, const std::string& name, const std::string& text) {
    HKEY created = nullptr;
    if (!m_root || RegCreateKeyExA(m_root, section.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                                   nullptr, &created, nullptr) != ERROR_SUCCESS)
        throw TSettingsError("Failed to create key " + section);
    RegCloseKey(created);
    const TKey key = OpenSection(m_root, section);
    if (!key || RegSetValueExA(key.get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                               static_cast<DWORD>(text.size() + 1)) != ERROR_SUCCESS)
        throw TSettingsError("Failed to set data for '" + name + "'");
}
