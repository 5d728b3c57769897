#pragma once

#include <string_view>

// Why a name cannot be a set list's: the name is the file's name, and set
// lists are shared between systems, so a name must be a file name on each.
enum class TSetNameProblem {
    None,
    Empty,     // nothing but spaces
    NotText,   // not UTF-8
    Forbidden, // / \ : * ? " < > | or a control character
    Ends,      // starts with a dot or a space, or ends with one: hidden, or cut off by Windows
    Device,    // CON, PRN, AUX, NUL, COM1-9, LPT1-9, with any extension
    TooLong,   // beyond what file systems take, with ".txt"
};

TSetNameProblem CheckSetListName(std::string_view name);
