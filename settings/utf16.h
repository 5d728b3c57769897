#pragma once

#include <string>
#include <string_view>

// UTF-16LE bytes as UTF-8; with stopAtNul, only up to the first NUL character.
// A lone surrogate becomes U+FFFD.
std::string Utf8FromUtf16(std::string_view bytes, bool stopAtNul);
