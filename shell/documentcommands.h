#pragma once

#include "print/pageflow.h"
#include "render/document.h"
#include "setlist/setbook.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QPrinter;
class QWidget;
class TArtist;
class TListWindow;
class TPageSetupDialog;
class TPreferences;
class TSetListWindow;
class TSong;
class TSongWindow;
class TWorkProgress;

// What the commands ask their owner for each time they run: the windows
// come and go, and the owner keeps track of them.
struct TCommandWindows {
    std::function<TSongWindow*()> ActiveSongWindow; // or none
    std::function<TPageSetupDialog*()> PageSetupDialog;
    std::function<TSetListWindow*()> SetListWindow; // or none
};

// The document commands of "Fájl": save, copy, print, printer setup and page
// setup, on the current document (the active song window's, or what the
// focused tree selects, or the set list whose window has the focus, rendered
// anew into the hidden document).
class TDocumentCommands {
public:
    // The commands' dialogs open over the window; songbooks are rendered into the hidden document.
    TDocumentCommands(QWidget& window, TRichDocument& tempRichEdit, TPreferences& preferences, TCommandWindows windows);
    ~TDocumentCommands();
    TDocumentCommands(const TDocumentCommands&) = delete;
    TDocumentCommands& operator=(const TDocumentCommands&) = delete;

    // The tree whose focus and selection decide, once it exists.
    void SetListWindow(TListWindow* listWindow) { m_listWindow = listWindow; }

    bool GetCurrentDocument(QString& title, TRichDocument*& document);
    // The document's PrintRect from the page margins and the current printer.
    void ApplyPrintMargins(TRichDocument& document);
    // The printer of this run: the system's default until another is chosen.
    QPrinter& CurrentPrinter();
    // What the printer setup does after OK: this printer is used from now on.
    void ChoosePrinter(std::unique_ptr<QPrinter> printer);

    void Save();
    void Copy();
    void Print();
    void PrintPreview();
    void PrinterSetup();
    void PageSetup();

private:
    // What the commands act on, chosen as GetCurrentDocument chooses but not
    // rendered yet: a songbook can take seconds to make, and the save dialog
    // must not wait for it.
    struct TChoice {
        QString Title;
        TRichDocument* Rendered = nullptr; // a song window's document
        const TArtist* Artist = nullptr;
        const TSong* Song = nullptr;
        std::optional<TSetBook> Set = std::nullopt;
    };
    std::optional<TChoice> ChooseCurrentDocument() const;
    TRichDocument* Render(const TChoice& choice, TWorkProgress& progress);
    bool RenderSongbook(const TChoice& choice, TWorkProgress& progress);
    TPageOptions PageOptions() const;

    QWidget& m_window;
    TRichDocument& m_tempRichEdit;
    TPreferences& m_preferences;
    TCommandWindows m_windows;
    TListWindow* m_listWindow = nullptr;
    std::unique_ptr<QPrinter> m_printer;
    bool m_printerChosen = false;
    QString m_saveFolder; // where the save dialog opens: the last save's folder, at first the documents folder
};
