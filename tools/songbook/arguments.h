#pragma once

#include "tools/songbook/pdfarguments.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

class TUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TSongbookArguments {
    std::string Command; // empty when only --help was given
    bool Help = false;
    bool Version = false;
    std::optional<std::string> DataDirectory;
    // export: what to write, and where
    std::optional<std::string> Artist;
    std::optional<std::string> Song;
    bool All = false;
    std::optional<std::string> Set; // a set list file
    std::optional<std::string> Output;
    // export and transpose: semitones (--transpose N, or transpose's number) and capo fret (--capo N)
    int Semitones = 0;
    int Capo = 0;
    bool Shifted = false;           // --transpose or --capo given
    TPdfArguments Pdf;              // export: PDF output and its layout
    bool Json = false;              // find: the hits as JSON
    std::vector<std::string> Files; // lint's files; find's query words; transpose's number
};

// Whether export writes PDF: asked for, or a single file named *.pdf.
bool ExportsPdf(const TSongbookArguments& arguments);

// Throws TUsageError for an unknown command or option, or a missing value.
TSongbookArguments ParseSongbookArguments(const std::vector<std::string>& arguments);
