#include "settings/integertext.h"
#include "settings/settings.h"

std::int32_t TSettings::ReadIntValue(const std::string& section, const std::string& name, std::int32_t defaultValue) {
    const std::optional<std::string> text = m_backend->ReadString(section, name);
    return text ? ParseIntegerText(*text).value_or(defaultValue) : defaultValue;
}

void TSettings::WriteIntValue(const std::string& section, const std::string& name, std::int32_t value) {
    m_backend->WriteString(section, name, std::to_string(value));
}

std::string TSettings::ReadTextValue(const std::string& section, const std::string& name,
                                     const std::string& defaultText) {
    return m_backend->ReadString(section, name).value_or(defaultText);
}

void TSettings::WriteTextValue(const std::string& section, const std::string& name, const std::string& text) {
    m_backend->WriteString(section, name, text);
}
