#pragma once

#include <QListWidget>
#include <vector>

class TSong;

// A row of a set list as shown: its caption, and whether the library lacks its song.
struct TSetRow {
    QString Caption;
    bool Missing;
};

// The songs of a set list in their order, a song the library lacks struck
// out. A row dragged within the list moves there; a song dragged from the
// artist tree (or the search's) is dropped in where it is let go. The list
// only asks: the window that owns it changes the set list.
class TSetSongList : public QListWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TSetSongList)

public:
    explicit TSetSongList(QWidget* parent);

    // The rows in place of those shown, the current row kept where it can be.
    void ShowRows(const std::vector<TSetRow>& rows);

signals:
    void MoveAsked(int from, int to);
    void DropAsked(const TSong& song, int at);

protected:
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    bool Accepts(QDropEvent* event) const;
    const TSong* DraggedSong(const QDropEvent* event) const;
    int DropPlace(QPoint position) const;
};
