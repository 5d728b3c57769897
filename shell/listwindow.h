#pragma once

#include <QMdiSubWindow>
#include <QTimer>

class QHelpEvent;
class QLabel;
class QLineEdit;
class QStackedWidget;
class QTreeWidget;
class QTreeWidgetItem;
class TArtist;
class TLibrarySearch;
class TSearchResults;
class TSong;

// "Előadók": the artists, sorted, each with its songs once expanded, and a
// search field above them. A song is chosen with a double-click or Enter;
// the window that made this one opens it. It refuses to close until the
// program quits.
class TListWindow : public QMdiSubWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TListWindow)

public:
    // Placed at the top left of a workspace of the given size, a quarter as wide.
    explicit TListWindow(QSize workspace);

    QTreeWidget* SongList;
    QLineEdit* SearchField;

    // What a node carries: its artist, or its song; null for the other kind.
    static const TArtist* ArtistOf(const QTreeWidgetItem* node);
    static const TSong* SongOf(const QTreeWidgetItem* node);

    // The selected node while the tree shown (the artists, or what a search
    // found) has the keyboard focus; it then decides what the document
    // commands act on. Null otherwise.
    const QTreeWidgetItem* FocusedSelection() const;
    bool TreeHasFocus() const;

    // Ctrl+F: the search field, its text selected for typing over.
    void FocusSearch();
    // Shows what the text finds in place of the tree, or the tree for no text.
    void ShowSearch(const QString& text);

    // Set when the program is quitting: then the window closes like any other.
    bool Quitting = false;

signals:
    void SongChosen(const TSong& song);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate(QSize workspace);
    void KeepCurrentSelected(QTreeWidget* tree);
    void CreateSearch();
    void ExpendingNode(QTreeWidgetItem* node);
    void ExpandNode(QTreeWidgetItem* node);
    void CollapseNode(QTreeWidgetItem* node);
    void OpenSelectedSong();
    QTreeWidget* ShownTree() const;
    bool ShowCutOffText(QHelpEvent* event);
    bool SearchKey(int key);

    TSearchResults* m_results;
    QLabel* m_searchStatus;
    QStackedWidget* m_trees;
    QTimer m_searchDelay;
    TLibrarySearch* m_search = nullptr;
};
