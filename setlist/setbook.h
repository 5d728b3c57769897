#pragma once

#include "render/document.h"
#include "render/songrenderer.h"
#include "setlist/setlist.h"
#include "setlist/setsongfinder.h"

#include <string>
#include <vector>

// A set list as one book: the songs the library holds, in set order, and the
// entries that name none, which the book leaves out.
struct TSetBook {
    std::string Name; // UTF-8
    std::vector<const TSong*> Songs;
    std::vector<std::string> Missing;
};

TSetBook SetBookOf(const TSetList& list, const TSetSongFinder& finder);

// The songs one after another, each changed as the change says.
void RenderSet(const TSetBook& book, TRichDocument& document, const TRenderStyle& style, TSongChange& change);
// The same, told after each song as a songbook is; false when stopped.
bool RenderSet(const TSetBook& book, TRichDocument& document, const TRenderStyle& style, TSongChange& change,
               const TKeepRendering& keepRendering);
