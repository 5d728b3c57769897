#include "settings/registrytree.h"

#include "platform/ascii.h"
#include "platform/unicode.h"
#include "settings/keypath.h"

#include <algorithm>

TRegistryValue TRegistryValue::FromText(std::string name, std::string text) {
    TRegistryValue value;
    value.Name = std::move(name);
    value.Text = std::move(text);
    return value;
}

bool RegistryValueText(const TRegistryValue& value, std::string& text) {
    if (value.Type != RegistryType::String && value.Type != RegistryType::ExpandString)
        return false;
    text = value.IsQuotedText ? value.Text.substr(0, value.Text.find('\0')) : Utf8FromUtf16(value.Bytes, true);
    return true;
}

bool TKeyPathLess::operator()(const std::string& a, const std::string& b) const {
    const auto left = KeyPathParts(a);
    const auto right = KeyPathParts(b);
    return std::lexicographical_compare(
        left.begin(), left.end(), right.begin(), right.end(), [](std::string_view x, std::string_view y) {
            return std::lexicographical_compare(x.begin(), x.end(), y.begin(), y.end(),
                                                [](char c, char d) { return AsciiLower(c) < AsciiLower(d); });
        });
}

bool TRegistryTree::HasKey(const std::string& keyPath) const {
    return m_keys.contains(keyPath);
}

void TRegistryTree::CreateKey(const std::string& keyPath) {
    if (!m_keys.contains(keyPath))
        m_keys.emplace(keyPath, TRegistryKey{keyPath, {}, {}});
}

void TRegistryTree::AddComment(const std::string& keyPath, std::string comment) {
    if (keyPath.empty()) {
        m_leadingComments.push_back(std::move(comment));
        return;
    }
    CreateKey(keyPath);
    m_keys.find(keyPath)->second.Comments.push_back(std::move(comment));
}

const TRegistryValue* TRegistryTree::FindValue(const std::string& keyPath, std::string_view name) const {
    const auto key = m_keys.find(keyPath);
    if (key == m_keys.end())
        return nullptr;
    for (const TRegistryValue& value : key->second.Values) {
        if (EqualsIgnoringAsciiCase(value.Name, name))
            return &value;
    }
    return nullptr;
}

void TRegistryTree::SetValue(const std::string& keyPath, TRegistryValue value) {
    CreateKey(keyPath);
    auto& values = m_keys.find(keyPath)->second.Values;
    for (TRegistryValue& existing : values) {
        if (EqualsIgnoringAsciiCase(existing.Name, value.Name)) {
            value.Name = existing.Name;
            existing = std::move(value);
            return;
        }
    }
    values.push_back(std::move(value));
}
