#include "settings/keypath.h"

#include <algorithm>

std::vector<std::string_view> KeyPathParts(std::string_view path) {
    std::vector<std::string_view> parts;
    while (!path.empty()) {
        const std::size_t slash = std::min(path.find('\\'), path.size());
        if (slash > 0)
            parts.push_back(path.substr(0, slash));
        path.remove_prefix(std::min(slash + 1, path.size()));
    }
    return parts;
}

std::vector<std::string> KeyChain(const std::string& rootKey, std::string_view section) {
    std::vector<std::string> chain{rootKey};
    for (std::string_view part : KeyPathParts(section))
        chain.push_back(chain.back() + "\\" + std::string(part));
    return chain;
}
