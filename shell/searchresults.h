#pragma once

#include <QTreeWidget>

struct TSearchResult;

// What a search found, shown in place of the artist tree while the user
// types: the artists in their order, each open with its songs found, a song
// found by its title (or artist, or authors) before one found only in its
// lyrics, which shows the line that matched as its tool tip. At most
// MostSongs songs are shown, those found by title first.
class TSearchResults : public QTreeWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TSearchResults)

public:
    static constexpr std::size_t MostSongs = 500;

    explicit TSearchResults(QWidget* parent);

    // Returns how many songs were found, shown or not.
    std::size_t Show(const TSearchResult& result);
};
