#pragma once

#include <QMdiSubWindow>
#include <QStringList>
#include <QTimer>
#include <optional>

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
class TSongPresort;

// What the user had open and selected in the artist tree, by the nodes' texts.
struct TTreeState {
    QStringList Expanded;
    std::optional<QString> SelectedArtist;
    std::optional<QString> SelectedSong; // none for an artist selected
};

// "Előadók": the artists, sorted, each with its songs once expanded, and a
// search field above them. A song is chosen with a double-click or Enter;
// the window that made this one opens it. Songs are dragged out (copied) to
// the set list, or sent there with Insert. It refuses to close until the
// program quits.
class TListWindow : public QMdiSubWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TListWindow)

public:
    // Placed at the top left of a workspace of the given size, a quarter as
    // wide, showing the library (which must outlive the window or the next
    // ForgetLibrary) with the nodes of the state open and selected.
    TListWindow(QSize workspace, const TArtist* library, const TTreeState& state = {});

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

    // Before the library is replaced: the tree and the search let go of it,
    // and what was open and selected is returned.
    TTreeState ForgetLibrary();
    // Another library in the tree, with the nodes of the state open and
    // selected where they are; the first artist is selected otherwise.
    void ShowLibrary(const TArtist* library, const TTreeState& state);
    // What is open and selected in the artist tree now.
    TTreeState TreeState() const;

    // Set when the program is quitting: then the window closes like any other.
    bool Quitting = false;

signals:
    void SongChosen(const TSong& song);
    // Insert on a song: for the set list.
    void SongInserted(const TSong& song);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate(QSize workspace, const TArtist* library, const TTreeState& state);
    void KeepCurrentSelected(QTreeWidget* tree);
    void RestoreTreeState(const TTreeState& state);
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
    TSongPresort* m_presort = nullptr;
};
