#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// File names travel as UTF-8 in std::string. A std::filesystem::path made
// from a narrow string would take it in the system's code page on Windows,
// so every crossing goes through these.
std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string Utf8FromPath(const std::filesystem::path& path);
