#pragma once

#include "chords/transposition.h"
#include "render/document.h"
#include "settings/preferences.h"

#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <vector>

class QPrinter;
class QMdiArea;
class TDocumentCommands;
class TLibraryWatcher;
class TListWindow;
class TMainMenu;
class TSetListWindow;
class TSong;
class TSongWindow;
struct TSongWindowLook;

// The frame of the program: the workspace of the list and song windows, the
// menu, the user's settings and the song library, loaded while it is made.
// It makes its child windows and places them; they know nothing of it.
class TMainWindow : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TMainWindow)

public:
    // Loads from the Data folder beside the program unless told another.
    explicit TMainWindow(const std::string& dataDirectory = {});
    ~TMainWindow() override;

    TColor BackgroundColor() const { return m_preferences->BackgroundColor; }
    TPageMargins& PageMargins() { return m_preferences->PageMargins; }
    QSize WorkspaceSize() const;
    QMdiArea* Workspace() const { return m_workspace; }

    // The list window, at the top left of the workspace; made once, at start.
    TListWindow* CreateListWindow();
    // A new window for the song, placed in the workspace (new windows
    // cascade), shown and active.
    TSongWindow* CreateSongWindow(const TSong& song);
    // The "Műsor" window; made, placed at the workspace's right edge and
    // shown when there is none.
    TSetListWindow* SetListWindow();

    // The step becomes SizeStep, and the size items show it.
    void SetSizeStep(int value);

    // What save, copy and print act on: the active song window's document,
    // or, when the tree has the keyboard focus, the selected artist or song
    // rendered anew into TempRichEdit. False when there is none.
    bool GetCurrentDocument(QString& title, TRichDocument*& document);
    // The document's PrintRect from the page margins and the current printer.
    void ApplyPrintMargins(TRichDocument& document);
    // The printer of this run: the system's default until another is chosen.
    QPrinter& CurrentPrinter();
    // What the printer setup does after OK: this printer is used from now on.
    void ChoosePrinter(std::unique_ptr<QPrinter> printer);

    // The hidden document that songbooks and selected songs are rendered into for saving, copying and printing.
    TRichDocument TempRichEdit;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    TSongWindowLook SongWindowLook() const;
    void ShowPerformance(std::vector<TShiftedSong> songs, std::size_t current, const TSongWindowLook& look,
                         QWidget* from);
    void ConnectMenu();
    void FormCreate(const std::string& dataDirectory);
    void ShowInPlace();
    void LoadSettings();
    void LoadLibrary(const std::string& dataDirectory);
    void ReloadLibrary(const std::string& folder);
    void OpenLibraryClick();
    void ShowEmptyLibraryNotice(const QString& folder);
    void TrackFocus(QWidget* now);

    void FontClick(TStyleSlot slot, const QString& styleName);
    void SizeClick(int step);
    void m_BackgroundClick();
    void DefaultBackgroundClick();
    void NotationClick(TNotation notation);
    void m_AboutClick();
    void FindClick();
    void ShowSetListClick();
    void InsertIntoSetList(const TSong& song);
    void SaveRTFClick();
    void CopyRTFClick();
    void m_PrintClick();
    void PrintPreviewClick();
    void m_PrinterSetupClick();
    void m_PageSetupClick();

    QMdiArea* m_workspace;
    std::unique_ptr<TMainMenu> m_menu;
    TListWindow* m_listWindow = nullptr;
    QPointer<TSetListWindow> m_setListWindow; // closed, it is gone
    QString m_setListName;                    // the set list it showed last
    std::unique_ptr<TPreferences> m_preferences;
    std::unique_ptr<TDocumentCommands> m_commands;
    TLibraryWatcher* m_watcher;
    std::string m_libraryFolder;
};
