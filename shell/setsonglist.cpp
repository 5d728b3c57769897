#include "shell/setsonglist.h"

#include "shell/listwindow.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QTreeWidget>

TSetSongList::TSetSongList(QWidget* parent) : QListWidget(parent) {
    setObjectName("SetSongs");
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDropIndicatorShown(true);
    setUniformItemSizes(true);
}

void TSetSongList::ShowRows(const std::vector<TSetRow>& rows) {
    const int current = currentRow();
    clear();
    for (const TSetRow& row : rows) {
        auto* item = new QListWidgetItem(row.Caption, this);
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsDragEnabled); // dropped between rows only
        if (row.Missing) {
            QFont font = item->font();
            font.setStrikeOut(true);
            item->setFont(font);
            item->setForeground(palette().brush(QPalette::Disabled, QPalette::Text));
            item->setToolTip("Ez a dal nincs a dalkönyvtárban.");
        }
    }
    if (count() > 0)
        setCurrentRow(std::clamp(current, 0, count() - 1));
}

// A move is the window's to make: the drag itself must never take the row away.
void TSetSongList::startDrag(Qt::DropActions) {
    if (QListWidgetItem* item = currentItem()) {
        auto* drag = new QDrag(this);
        drag->setMimeData(mimeData({item}));
        drag->exec(Qt::MoveAction);
    }
}

// The tree's song is copied: a move would make the tree remove its node.
bool TSetSongList::Accepts(QDropEvent* event) const {
    if (event->source() != this && !DraggedSong(event))
        return false;
    event->setDropAction(event->source() == this ? Qt::MoveAction : Qt::CopyAction);
    event->accept();
    return true;
}

void TSetSongList::dragEnterEvent(QDragEnterEvent* event) {
    if (!Accepts(event))
        event->ignore();
}

// Qt's own handling draws where the row would go, and scrolls near the edges.
void TSetSongList::dragMoveEvent(QDragMoveEvent* event) {
    QListWidget::dragMoveEvent(event);
    if (!Accepts(event))
        event->ignore();
}

void TSetSongList::dropEvent(QDropEvent* event) {
    const int place = DropPlace(event->position().toPoint());
    setState(NoState); // the drop indicator goes
    viewport()->update();
    if (!Accepts(event))
        return event->ignore();
    if (const TSong* song = DraggedSong(event))
        return emit DropAsked(*song, place);
    const int from = currentRow();
    const int to = place > from ? place - 1 : place;
    if (from >= 0 && to != from)
        emit MoveAsked(from, to);
}

// Only the list window's trees carry songs in their nodes.
const TSong* TSetSongList::DraggedSong(const QDropEvent* event) const {
    const auto* tree = qobject_cast<const QTreeWidget*>(event->source());
    for (const QObject* owner = tree; owner; owner = owner->parent()) {
        if (qobject_cast<const TListWindow*>(owner))
            return TListWindow::SongOf(tree->currentItem());
    }
    return nullptr;
}

// Before the row under the pointer, or after it in its lower half; past the last row, at the end.
int TSetSongList::DropPlace(QPoint position) const {
    const QModelIndex index = indexAt(position);
    if (!index.isValid())
        return count();
    return index.row() + (position.y() >= visualRect(index).center().y() ? 1 : 0);
}
