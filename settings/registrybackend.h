#pragma once

#include <optional>
#include <stdexcept>
#include <string>

// The errors of the settings store, with the registry's messages.
class TSettingsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Where the settings live: the registry on Windows, a file elsewhere. Sections
// are key paths below the store's root key ("Fonts\Title"; "" is the root
// itself). Texts are in code page 1250, as the rest of the program keeps them.
class TRegistryBackend {
public:
    virtual ~TRegistryBackend() = default;

    // nullopt when the section or the value does not exist. A value that is
    // not a string fails with "Invalid data type for '<name>'".
    virtual std::optional<std::string> ReadString(const std::string& section, const std::string& name) = 0;
    // Creates the section if needed and writes the value as REG_SZ. Fails with
    // "Failed to create key <section>" or "Failed to set data for '<name>'".
    virtual void WriteString(const std::string& section, const std::string& name, const std::string& text) = 0;
    // What the user must hear about the store as it was opened (a damaged
    // file kept aside, one that cannot be read); empty when all is well.
    virtual std::string OpenProblem() const { return {}; }
};
