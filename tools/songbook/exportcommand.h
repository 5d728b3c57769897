#pragma once

#include "library/artist.h"
#include "render/styleslots.h"
#include "tools/songbook/arguments.h"

#include <ostream>
#include <stdexcept>

// A command that could not do what it was asked: an unknown artist or song, a
// file that could not be written.
class TCommandFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Renders what the arguments name from the loaded library in the style and
// writes it as Rich Text; lists each file written on out.
void ExportSongs(const TArtist* artists, const TSongbookArguments& arguments, const TRenderStyle& style,
                 std::ostream& out);
