#pragma once

#include <string>
#include <string_view>

// Text in code page 1250 as UTF-8 that stays on one line of the terminal:
// a line break, a tab or another control character shows as \xHH.
std::string PrintableText(std::string_view ansiText);
