#include "shell/searchresults.h"

#include "qtbridge/qttext.h"
#include "search/searchindex.h"
#include "shell/treenode.h"

#include <map>

namespace {

// An artist's songs as found, those by title before those by lyrics.
struct TFound {
    std::vector<const TSong*> ByTitle;
    std::vector<const TSongHit*> ByLyrics;
};

QList<QTreeWidgetItem*> SongNodes(const TFound& found) {
    QList<QTreeWidgetItem*> nodes = SortedNodes(found.ByTitle);
    std::vector<const TSong*> byLyrics;
    std::map<const TSong*, const TSongHit*> hits;
    for (const TSongHit* hit : found.ByLyrics) {
        byLyrics.push_back(hit->Song);
        hits[hit->Song] = hit;
    }
    for (QTreeWidgetItem* node : SortedNodes(byLyrics)) {
        node->setToolTip(0, FromAnsi(hits[TNode::SongOf(node)]->ContextLine()));
        nodes.append(node);
    }
    return nodes;
}

} // namespace

TSearchResults::TSearchResults(QWidget* parent) : QTreeWidget(parent) {
    setObjectName("SearchResults");
    setHeaderHidden(true);
    setIndentation(19);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformRowHeights(true);
}

std::size_t TSearchResults::Show(const TSearchResult& result) {
    std::map<const TArtist*, TFound> found;
    for (const TArtist* artist : result.Artists)
        found[artist];
    std::size_t shown = 0;
    for (const TMatchRank rank : {TMatchRank::Title, TMatchRank::Lyrics}) {
        for (const TSongHit& hit : result.Songs) {
            if (hit.Rank != rank || shown == MostSongs)
                continue;
            ++shown;
            TFound& songs = found[hit.Song->Artist];
            if (rank == TMatchRank::Title)
                songs.ByTitle.push_back(hit.Song);
            else
                songs.ByLyrics.push_back(&hit);
        }
    }
    // Artists with a song found by title come first.
    std::vector<const TArtist*> byTitle;
    std::vector<const TArtist*> byLyrics;
    for (const auto& [artist, songs] : found)
        (songs.ByTitle.empty() && !songs.ByLyrics.empty() ? byLyrics : byTitle).push_back(artist);
    clear();
    for (const auto* group : {&byTitle, &byLyrics}) {
        for (QTreeWidgetItem* artist : SortedNodes(*group)) {
            addTopLevelItem(artist);
            artist->addChildren(SongNodes(found[TNode::ArtistOf(artist)]));
            artist->setExpanded(true);
            static_cast<TNode*>(artist)->ShowImage(OpenFolder);
        }
    }
    if (topLevelItemCount() > 0)
        setCurrentItem(topLevelItem(0));
    return result.Songs.size();
}
