#pragma once

#include "settings/registrybackend.h"

#include <windows.h>

// The settings in the real registry below HKEY_CURRENT_USER, as wide texts:
// the model's code page 1250 is converted on the way, so the accents survive
// whatever the system's ANSI code page. Built on Windows only.
class TWin32RegistryBackend : public TRegistryBackend {
public:
    enum class TAccess {
        ReadWrite,
        ReadOnly, // never creates or writes a key or value
    };

    // Opens the root key, with ReadWrite creating it; when it cannot, reads
    // give defaults, writes fail, and OpenProblem says why.
    TWin32RegistryBackend(const std::string& rootPath, TAccess access);
    ~TWin32RegistryBackend() override;
    TWin32RegistryBackend(const TWin32RegistryBackend&) = delete;
    TWin32RegistryBackend& operator=(const TWin32RegistryBackend&) = delete;

    std::optional<std::string> ReadString(const std::string& section, const std::string& name) override;
    void WriteString(const std::string& section, const std::string& name, const std::string& text) override;
    std::string OpenProblem() const override { return m_openProblem; }

private:
    HKEY m_root = nullptr;
    TAccess m_access;
    LONG m_openError = ERROR_SUCCESS;
    std::string m_openProblem;
};
