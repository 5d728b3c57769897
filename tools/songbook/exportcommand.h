#pragma once

#include "library/artist.h"
#include "render/songrenderer.h"
#include "render/styleslots.h"
#include "tools/songbook/arguments.h"
#include "tools/songbook/pdfexport.h"

#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

// A command that could not do what it was asked: an unknown artist or song, a
// file that could not be written.
class TCommandFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// How export writes: the fonts, each song changed (transposed) as it goes,
// and as Rich Text, or as PDF laid out so.
struct TExportFormat {
    const TRenderStyle& Style;
    TSongChange& Change;
    std::optional<TPdfRequest> Pdf;
};

// Renders what the arguments name from the loaded library and writes it;
// lists each file written on out. For every artist (--all), each songbook
// that could not be written is returned, and the others are written all the
// same; for a set list (--set), each entry that names no song of the library.
std::vector<std::string> ExportSongs(const TArtist* artists, const TSongbookArguments& arguments,
                                     const TExportFormat& format, std::ostream& out);

// The song named "ARTIST - TITLE", changed, as plain UTF-8 text.
void PrintSong(const TArtist* artists, const std::string& caption, const TRenderStyle& style, TSongChange& change,
               std::ostream& out);
