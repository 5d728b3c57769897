#include "setlist/setbook.h"

TSetBook SetBookOf(const TSetList& list, const TSetSongFinder& finder) {
    TSetBook book{list.Name, {}, {}};
    for (const std::string& entry : list.Entries) {
        if (const TSong* song = finder.Find(entry))
            book.Songs.push_back(song);
        else
            book.Missing.push_back(entry);
    }
    return book;
}

void RenderSet(const TSetBook& book, TRichDocument& document, const TRenderStyle& style, TSongChange& change) {
    RenderSet(book, document, style, change, [](std::size_t) { return true; });
}

bool RenderSet(const TSetBook& book, TRichDocument& document, const TRenderStyle& style, TSongChange& change,
               const TKeepRendering& keepRendering) {
    std::size_t done = 0;
    for (const TSong* song : book.Songs) {
        RenderSong(*song, document, style, change);
        if (!keepRendering(++done))
            return false;
    }
    return true;
}
