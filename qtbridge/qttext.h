#pragma once

#include <QString>
#include <string>
#include <string_view>

// The model keeps text in code page 1250; Qt shows Unicode. These are the only crossings.
QString FromAnsi(std::string_view text);
// Characters that code page 1250 lacks become '?'.
std::string ToAnsi(const QString& text);

// Error messages carry file paths in UTF-8 and model text in code page 1250.
QString MessageText(const char* message);
