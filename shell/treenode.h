#pragma once

#include "qtbridge/nameorder.h"

#include <QTreeWidgetItem>
#include <string_view>
#include <vector>

class TArtist;
class TSong;

enum TNodeImage { ClosedFolder, OpenFolder, Page };

// A node of the artist tree (and of the search's): it carries its artist or
// its song, and answers for its text and image itself. An artist of a
// hundred thousand songs makes as many nodes, and storing each one's text
// and image in the item's own tables took most of the time of opening it.
// An artist node always has the expand button; a song node never has.
class TNode : public QTreeWidgetItem {
public:
    TNode(QString text, const TArtist& artist);
    TNode(QString text, const TSong& song);

    // What a node carries: its artist, or its song; null for the other kind (and for none).
    static const TArtist* ArtistOf(const QTreeWidgetItem* node);
    static const TSong* SongOf(const QTreeWidgetItem* node);

    void ShowImage(TNodeImage image);
    QVariant data(int column, int role) const override;

private:
    QString m_text;
    const void* m_data;
    TNodeImage m_image;
};

// Nodes for the artists, or for songs, sorted as the user's language sorts
// their texts (Hungarian where no language is set), letter case included;
// equal texts keep the order given.
QList<QTreeWidgetItem*> SortedNodes(const std::vector<const TArtist*>& artists);
QList<QTreeWidgetItem*> SortedNodes(const std::vector<const TSong*>& songs);
// The order SortedNodes gives the songs, to make their nodes later.
TNameOrder SongOrder(const std::vector<const TSong*>& songs);
// Nodes for the songs in the order SongOrder made of them.
QList<QTreeWidgetItem*> SongNodesInOrder(const std::vector<const TSong*>& songs, TNameOrder order);
