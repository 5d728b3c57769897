#pragma once

#include "print/pageflow.h"
#include "render/document.h"
#include "render/pagemargins.h"

#include <QPageSize>
#include <QString>
#include <cstddef>
#include <string>
#include <vector>

// How a songbook goes into a PDF file: paper, margins (from the paper's
// edges) and the page layout of printing, with a table of contents if asked.
struct TPdfBook {
    QPageSize::PageSizeId Paper = QPageSize::A4;
    bool Landscape = false;
    TPageMargins Margins;
    TPageOptions Pages;
    bool Contents = false;        // first pages listing the songs in the tree's order, with their pages
    bool ContentsInOrder = false; // the contents in the book's own order (a set list's), not the tree's
    QString Title;                // of the document, as PDF viewers show it
};

// A song of the book: its title (model text) and the document's paragraph where it starts.
struct TBookSong {
    std::string Title;
    std::size_t FirstParagraph;
};

// Writes the document as a PDF file, as printing lays it out, with real text
// and the fonts embedded. The file is replaced only once the new one is
// complete. The document's PrintRect is set for the paper.
void WritePdfBook(TRichDocument& document, const std::vector<TBookSong>& songs, const TPdfBook& book,
                  const std::string& path);

class TPdfError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
