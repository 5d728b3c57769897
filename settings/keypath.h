#pragma once

#include <string>
#include <string_view>
#include <vector>

// The parts of a registry key path ("Fonts\Title"), empty parts skipped.
std::vector<std::string_view> KeyPathParts(std::string_view path);

// The key paths from the root down to the section: "root", "root\Fonts", "root\Fonts\Title".
std::vector<std::string> KeyChain(const std::string& rootKey, std::string_view section);
