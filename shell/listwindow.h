#pragma once

#include <QMdiSubWindow>

class QHelpEvent;
class QTreeWidget;
class QTreeWidgetItem;
class TArtist;
class TSong;

// "Előadók": the artists, sorted, each with its songs once expanded. A song
// is chosen with a double-click or Enter; the window that made this one
// opens it. It refuses to close until the program quits.
class TListWindow : public QMdiSubWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TListWindow)

public:
    // Placed at the top left of a workspace of the given size, a quarter as wide.
    explicit TListWindow(QSize workspace);

    QTreeWidget* SongList;

    // What a node carries: its artist, or its song; null for the other kind.
    static const TArtist* ArtistOf(const QTreeWidgetItem* node);
    static const TSong* SongOf(const QTreeWidgetItem* node);

    // The selected node while the tree has the keyboard focus (it then
    // decides what the document commands act on); null otherwise.
    const QTreeWidgetItem* FocusedSelection() const;
    bool TreeHasFocus() const;

    // Set when the program is quitting: then the window closes like any other.
    bool Quitting = false;

signals:
    void SongChosen(const TSong& song);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate(QSize workspace);
    void ExpendingNode(QTreeWidgetItem* node);
    void ExpandNode(QTreeWidgetItem* node);
    void CollapseNode(QTreeWidgetItem* node);
    void OpenSelectedSong();
    bool ShowCutOffText(QHelpEvent* event);
};
