#pragma once

#include "settings/registrybackend.h"

#include <windows.h>

// The settings in the real registry below HKEY_CURRENT_USER. Built on Windows only.
class TWin32RegistryBackend : public TRegistryBackend {
public:
    // Opens or creates the root key; when it cannot, reads give defaults and writes fail.
    explicit TWin32RegistryBackend(const std::string& rootPath);
    ~TWin32RegistryBackend() override;
    TWin32RegistryBackend(const TWin32RegistryBackend&) = delete;
    TWin32RegistryBackend& operator=(const TWin32RegistryBackend&) = delete;

    std::optional<std::string> ReadString(const std::string& section, const std::string& name) override;
    void WriteString(const std::string& section, const std::string& name, const std::string& text) override;

private:
    HKEY m_root = nullptr;
};
