#pragma once

#include "render/document.h"
#include "settings/preferences.h"

#include <QMainWindow>
#include <memory>
#include <optional>

class QActionGroup;
class QPrinter;
class QMdiArea;
class QMdiSubWindow;
class TArtist;
class TListWindow;
class TSong;
class TSongWindow;

// The frame of the program: the workspace of the list and song windows, the
// menu, the user's settings and the song library, loaded while it is made.
class TMainWindow : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TMainWindow)

public:
    // Loads from the Data folder beside the program unless told another.
    explicit TMainWindow(const std::string& dataDirectory = {});
    ~TMainWindow() override;

    TColor BackgroundColor() const { return m_preferences ? m_preferences->BackgroundColor : WindowColor; }
    TPageMargins& PageMargins() { return m_preferences->PageMargins; }
    TPreferences& Preferences() { return *m_preferences; }
    QSize WorkspaceSize() const;
    QMdiArea* Workspace() const { return m_workspace; }

    void AddListWindow(TListWindow* window);
    // Places a new song window in the workspace (new windows cascade), shows and activates it.
    void ShowChild(TSongWindow* window);

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

    QMenu* m_File;
    QAction* SaveRTF;
    QAction* CopyRTF;
    QAction* m_PageSetup;
    QAction* m_PrinterSetup;
    QAction* m_Print;
    QAction* m_Exit;
    QMenu* m_Setting;
    QMenu* m_Fonts;
    QAction* m_Normal;
    QAction* m_Verse;
    QAction* m_Chords;
    QAction* m_Tab;
    QAction* m_Title;
    QAction* m_Authors;
    QMenu* m_Size;
    QAction* m_Size1;
    QAction* m_Size2;
    QAction* m_Size3;
    QAction* m_Size4;
    QAction* m_Size5;
    QAction* m_Background;
    QAction* DefaultBackground;
    QAction* m_About;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // What save, copy and print act on, chosen as GetCurrentDocument chooses
    // but not rendered yet: a songbook can take seconds to make, and the save
    // dialog must not wait for it.
    struct TDocumentChoice {
        QString Title;
        TRichDocument* Rendered = nullptr; // a song window's document
        const TArtist* Artist = nullptr;
        const TSong* Song = nullptr;
    };
    std::optional<TDocumentChoice> ChooseCurrentDocument() const;
    TRichDocument* RenderChoice(const TDocumentChoice& choice);

    void CreateMenu();
    void CreateFileMenu();
    void CreateSettingsMenu();
    void UpdateWindowList();
    void FormCreate(const std::string& dataDirectory);
    void LoadSettings();
    void LoadLibrary(const std::string& dataDirectory);
    void ShowEmptyLibraryNotice(const QString& folder);
    void TrackFocus(QWidget* now);
    QAction* SizeAction(int step) const;

    void FontClick(TStyleSlot slot, const QString& styleName);
    void SizeClick(int step);
    void m_BackgroundClick();
    void DefaultBackgroundClick();
    void m_AboutClick();
    void SaveRTFClick();
    void CopyRTFClick();
    void m_PrintClick();
    void m_PrinterSetupClick();
    void m_PageSetupClick();

    QMdiArea* m_workspace;
    QActionGroup* m_sizeGroup;
    QList<QAction*> m_windowListActions;
    TListWindow* m_listWindow = nullptr;
    std::unique_ptr<TPreferences> m_preferences;
    std::unique_ptr<QPrinter> m_printer;
    bool m_printerChosen = false;
    QString m_saveFolder; // where the save dialog opens: the last save's folder, at first the documents folder
};
