#pragma once

#include "setlist/eachsongshift.h"
#include "setlist/setbook.h"
#include "setlist/setfolder.h"

#include <QMdiSubWindow>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QComboBox;
class QLabel;
class TLibraryWatcher;
class TSetSongList;

// "Műsor": the user's set lists, one shown at a time, chosen above its songs.
// Songs come from the artist tree (Insert there, or a drag); Alt+Up and
// Alt+Down move a song, Delete removes it, Enter or a double-click opens it
// as the tree does. Every change is written to the set list's file at once;
// a change that cannot be written is not made. Set lists are made, renamed
// and deleted here too. What other programs do to the files (a shared set
// list pulled, an edit by hand) is shown as it happens, and never written
// over. The main window makes it and wires it.
class TSetListWindow : public QMdiSubWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TSetListWindow)

public:
    // The set lists of the folder, the one named chosen (else the first),
    // their songs looked up in the library (which must outlive the window or
    // the next ShowLibrary), each song shown with its shift.
    TSetListWindow(TSetFolder folder, const TArtist* library, TEachSongShift::TShiftOf shiftOf,
                   const QString& chosen = {});

    QComboBox* SetChooser;
    TSetSongList* SetSongs;

    // Another library: the entries are looked up in it.
    void ShowLibrary(const TArtist* library);
    // The set lists as their files are now (the user may have edited them);
    // nothing changes while the files hold what is shown.
    void Reload();
    // The songs' shifts as they are now.
    void ShowShifts();
    // At the end of the chosen set list; a first set list is made for it when there is none.
    void AddSong(const TSong& song);

    // While the window has the keyboard focus, the chosen set list decides what the document commands act on.
    bool HasFocus() const;
    // The chosen set list as one book; none when there is none.
    std::optional<TSetBook> Book() const;

signals:
    void SongChosen(const TSong& song);
    void SetListChosen(const QString& name);
    // "Előadói nézet": the set list's songs that the library holds, and which of them is the current row's.
    void PerformanceAsked(const std::vector<TShiftedSong>& songs, std::size_t current);

private:
    QAction* AddAction(const char* name, const QString& caption, const QKeySequence& key,
                       void (TSetListWindow::*click)());
    QList<QAction*> CreateActions();
    QWidget* CreateContent(const QList<QAction*>& setActions);
    void ShowNames(const QString& chosen);
    void Choose(const QString& name);
    void ShowEntries();
    bool NamesChanged() const;
    bool FileChanged() const;
    void Change(const std::function<void(TSetList&)>& edit, int currentAfter);
    void Insert(const TSong& song, int at);
    void MoveUpClick();
    void MoveDownClick();
    void RemoveClick();
    void OpenClick();
    void PerformanceClick();
    void NewClick();
    void RenameClick();
    void DeleteClick();
    std::optional<QString> AskName(const QString& title, const QString& name);

    TSetFolder m_folder;
    TEachSongShift::TShiftOf m_shiftOf;
    std::unique_ptr<TSetSongFinder> m_finder;
    std::optional<TSetList> m_list;    // none while there is none, or it could not be read
    std::vector<const TSong*> m_songs; // each entry's song, null for one the library lacks
    QLabel* m_status;
    TLibraryWatcher* m_watcher; // the folder's *.txt files, as for the songs
};
