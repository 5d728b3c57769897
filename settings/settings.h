#pragma once

#include "settings/registrybackend.h"

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>

constexpr const char* SettingsRoot = "Software\\Cantorix";

// The user's settings, as sections and named values below one root key.
// Every value is written as text; integers as signed decimal text.
class TSettings {
public:
    explicit TSettings(std::unique_ptr<TRegistryBackend> backend) : m_backend(std::move(backend)) {}

    // The default for a missing value, and for a text that is not an integer.
    std::int32_t ReadIntValue(const std::string& section, const std::string& name, std::int32_t defaultValue);
    void WriteIntValue(const std::string& section, const std::string& name, std::int32_t value);
    std::string ReadTextValue(const std::string& section, const std::string& name, const std::string& defaultText);
    void WriteTextValue(const std::string& section, const std::string& name, const std::string& text);

    // The stored text, or nullopt: for tools that show what is stored.
    std::optional<std::string> StoredText(const std::string& section, const std::string& name) {
        return m_backend->ReadString(section, name);
    }
    std::string OpenProblem() const { return m_backend->OpenProblem(); }

private:
    std::unique_ptr<TRegistryBackend> m_backend;
};

// The current user's store below HKEY_CURRENT_USER\<rootPath>: the registry on
// Windows (below $VIVIRA_SETTINGS_KEY instead when set, as the tests do);
// elsewhere the file SettingsFilePath() names. Problems opening it go to
// warnings, each after the name of the program that runs, and to
// OpenProblem(): reads then give defaults, writes fail.
std::unique_ptr<TSettings> OpenSettings(const std::string& rootPath, const std::string& program,
                                        std::ostream& warnings);
// The same store for programs that only show or use the settings: nothing
// is created, renamed or written, and every write fails.
std::unique_ptr<TSettings> OpenSettingsForReading(const std::string& rootPath, const std::string& program,
                                                  std::ostream& warnings);

// $VIVIRA_SETTINGS_FILE if set; else $XDG_CONFIG_HOME/<last part of the
// root path>/settings.reg, with the home folder's .config when that variable
// is unset (the home from $HOME, else from the password database). Empty
// when there is no home folder: the settings are then never written. Not on
// Windows, where the store is the registry.
std::string SettingsFilePath(const std::string& rootPath);

// Where the store is, for people: "settings file: <path>", or on Windows
// "registry key: HKEY_CURRENT_USER\<key>".
std::string SettingsPlace(const std::string& rootPath);
