#pragma once

#include <QMdiSubWindow>

class QHelpEvent;
class QTreeWidget;
class TArtist;
class TSong;
class QTreeWidgetItem;

// "Előadók": the artists, sorted, each with its songs once expanded. A song
// opens in a new window on a double-click or Enter. It refuses to close
// until the program quits.
class TListWindow : public QMdiSubWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TListWindow)

public:
    explicit TListWindow(QWidget* owner);

    QTreeWidget* SongList;

    // What a node carries: its artist, or its song; null for the other kind.
    static const TArtist* ArtistOf(const QTreeWidgetItem* node);
    static const TSong* SongOf(const QTreeWidgetItem* node);
    // Set when the program is quitting: then the window closes like any other.
    bool Quitting = false;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void ExpendingNode(QTreeWidgetItem* node);
    void ExpandNode(QTreeWidgetItem* node);
    void CollapseNode(QTreeWidgetItem* node);
    void OpenSelectedSong();
    bool ShowCutOffText(QHelpEvent* event);
};
