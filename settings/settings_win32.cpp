#include "platform/codepage.h"
#include "settings/settings.h"
#include "settings/win32backend.h"

#include <cstdlib>
#include <ostream>

namespace {

// Tests set $VIVIRA_SETTINGS_KEY, so that they never touch the user's own settings.
std::string RootKey(const std::string& rootPath) {
    const char* key = std::getenv("VIVIRA_SETTINGS_KEY");
    return key && *key ? std::string(key) : rootPath;
}

std::unique_ptr<TSettings> OpenRegistry(const std::string& rootPath, const std::string& program, std::ostream& warnings,
                                        TWin32RegistryBackend::TAccess access) {
    auto backend = std::make_unique<TWin32RegistryBackend>(RootKey(rootPath), access);
    if (!backend->OpenProblem().empty())
        warnings << program << ": " << backend->OpenProblem() << std::endl;
    return std::make_unique<TSettings>(std::move(backend));
}

} // namespace

std::string SettingsPlace(const std::string& rootPath) {
    return "registry key: HKEY_CURRENT_USER\\" + AnsiToUtf8(RootKey(rootPath));
}

std::unique_ptr<TSettings> OpenSettings(const std::string& rootPath, const std::string& program,
                                        std::ostream& warnings) {
    return OpenRegistry(rootPath, program, warnings, TWin32RegistryBackend::TAccess::ReadWrite);
}

std::unique_ptr<TSettings> OpenSettingsForReading(const std::string& rootPath, const std::string& program,
                                                  std::ostream& warnings) {
    return OpenRegistry(rootPath, program, warnings, TWin32RegistryBackend::TAccess::ReadOnly);
}
