#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

// How export lays a songbook out in PDF.
struct TPdfArguments {
    bool Requested = false;                    // --pdf: PDF whatever the name (one per artist with --all)
    std::string Paper = "A4";                  // --paper A5|A4|Letter
    bool Landscape = false;                    // --landscape
    std::optional<std::array<int, 4>> Margins; // --margins T,B,L,R in millimetres; else the viewer's
    bool Contents = false;                     // --toc
    bool PageNumbers = false;                  // --page-numbers
    int Columns = 1;                           // --columns N
    bool KeepVerses = false;                   // --keep-verses; also when the viewer's page setup says so
    std::vector<std::string> LayoutOptions;    // those given beyond --pdf, for the usage check
};

// Takes the PDF option at words[index] (and its value, moving index on to
// it); false when the word is no PDF option. Throws TUsageError for a bad value.
bool TakePdfOption(const std::vector<std::string>& words, std::size_t& index, TPdfArguments& pdf);

// A file name that asks for PDF: it ends in ".pdf", in any letter case.
bool IsPdfName(const std::string& path);
