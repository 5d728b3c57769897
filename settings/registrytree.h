#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

// Registry value types, numbered as the registry numbers them.
namespace RegistryType {
constexpr std::uint32_t String = 1;       // REG_SZ
constexpr std::uint32_t ExpandString = 2; // REG_EXPAND_SZ
constexpr std::uint32_t Binary = 3;       // REG_BINARY
constexpr std::uint32_t Dword = 4;        // REG_DWORD
} // namespace RegistryType

// One value. A string written in quotes keeps its text (UTF-8); every other
// form keeps the registry's raw bytes (strings in them are UTF-16LE).
struct TRegistryValue {
    std::string Name; // empty: the key's default value ("@")
    std::uint32_t Type = RegistryType::String;
    bool IsQuotedText = true;
    std::string Text;
    std::string Bytes;

    static TRegistryValue FromText(std::string name, std::string text);
};

// The text of a string value (REG_SZ or REG_EXPAND_SZ, unexpanded) as UTF-8,
// up to its first NUL; false for a value of another type.
bool RegistryValueText(const TRegistryValue& value, std::string& text);

// Orders key paths part by part, ignoring the case of letters, so that a key
// comes right before its subkeys, as an export lists them.
struct TKeyPathLess {
    bool operator()(const std::string& a, const std::string& b) const;
};

struct TRegistryKey {
    std::string Path; // as first written
    std::vector<TRegistryValue> Values;
    // Comments, and lines that could not be read (kept as comments), so that
    // rewriting the file never loses what a person wrote into it.
    std::vector<std::string> Comments;
};

// A tree of keys by full path ("HKEY_CURRENT_USER\Software\..."), each with
// its values in order, as a registry export file holds it. Key and value
// names match without regard to the case of letters.
class TRegistryTree {
public:
    using TKeys = std::map<std::string, TRegistryKey, TKeyPathLess>;

    bool HasKey(const std::string& keyPath) const;
    void CreateKey(const std::string& keyPath);
    const TRegistryValue* FindValue(const std::string& keyPath, std::string_view name) const;
    // Creates the key if needed; replaces a value of the same name in place.
    void SetValue(const std::string& keyPath, TRegistryValue value);
    // A comment line under the key ("" for before the first key).
    void AddComment(const std::string& keyPath, std::string comment);

    const std::vector<std::string>& LeadingComments() const { return m_leadingComments; }
    const TKeys& Keys() const { return m_keys; }

private:
    std::vector<std::string> m_leadingComments;
    TKeys m_keys;
};
