#pragma once

#include "settings/registrytree.h"

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A file that is not a registry export at all: not text in UTF-8 or UTF-16,
// or without the export's first line.
class TRegistryParseError : public std::runtime_error {
public:
    TRegistryParseError(std::size_t line, const std::string& problem);
};

// A line the reader passed over, or read in a way the user should hear of;
// the rest of the file is still read.
struct TSkippedLine {
    std::size_t Line;
    std::string Problem;
    bool IsRead = false; // the line took effect all the same
};

// Reads the text of a registry export ("Windows Registry Editor Version
// 5.00" or "REGEDIT4", UTF-8 or UTF-16LE). A line it cannot read is kept as
// a comment and listed in skipped; only a file that is not an export at all
// throws. An empty file is an empty tree.
TRegistryTree ReadRegistryExport(std::string_view fileText, std::vector<TSkippedLine>& skipped);

// The tree as a registry export in UTF-8 with CR LF line ends, keys before
// their subkeys; texts that a quoted string cannot carry are written as hex.
std::string WriteRegistryExport(const TRegistryTree& tree);
