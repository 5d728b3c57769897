#include "shell/documentcommands.h"

#include "platform/filename.h"
#include "print/pageprinter.h"
#include "qtbridge/qttext.h"
#include "render/pagemargins.h"
#include "render/songrenderer.h"
#include "setlist/eachsongshift.h"
#include "settings/preferences.h"
#include "settings/songshifts.h"
#include "shell/application.h"
#include "shell/busycursor.h"
#include "shell/documentmimedata.h"
#include "shell/listwindow.h"
#include "shell/pagesetupdialog.h"
#include "shell/printing.h"
#include "shell/setlistwindow.h"
#include "shell/songwindow.h"
#include "shell/workprogress.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace {

// The documents folder where there is one, else the home folder: never the
// folder the program happened to be started in.
QString FirstSaveFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).exists() ? documents : QDir::homePath();
}

} // namespace

TDocumentCommands::TDocumentCommands(QWidget& window, TRichDocument& tempRichEdit, TPreferences& preferences,
                                     TCommandWindows windows)
    : m_window(window), m_tempRichEdit(tempRichEdit), m_preferences(preferences), m_windows(std::move(windows)),
      m_saveFolder(FirstSaveFolder()) {}

TDocumentCommands::~TDocumentCommands() = default;

std::optional<TDocumentCommands::TChoice> TDocumentCommands::ChooseCurrentDocument() const {
    std::optional<TChoice> choice;
    if (TSongWindow* active = m_windows.ActiveSongWindow())
        choice = TChoice{.Title = active->windowTitle(), .Rendered = &active->Document()};
    if (m_listWindow && m_listWindow->TreeHasFocus()) {
        choice.reset();
        const QTreeWidgetItem* node = m_listWindow->FocusedSelection();
        if (const TArtist* artist = TListWindow::ArtistOf(node))
            choice = TChoice{.Title = FromAnsi(artist->ArtistName), .Artist = artist};
        else if (const TSong* song = TListWindow::SongOf(node))
            choice = TChoice{.Title = FromAnsi(SongArtistName(*song) + " - " + song->Title), .Song = song};
    }
    if (TSetListWindow* set = m_windows.SetListWindow(); set && set->HasFocus()) {
        choice.reset();
        if (std::optional<TSetBook> book = set->Book())
            choice = TChoice{.Title = QString::fromStdString(book->Name), .Set = std::move(book)};
    }
    return choice;
}

// A song, a songbook of the tree or a set list is rendered anew into
// m_tempRichEdit; a songbook that takes a while shows its progress and may be
// cancelled (null).
TRichDocument* TDocumentCommands::Render(const TChoice& choice, TWorkProgress& progress) {
    if (choice.Rendered)
        return choice.Rendered;
    m_tempRichEdit.SelectWholeDocument();
    m_tempRichEdit.DeleteSelection();
    if (choice.Song) {
        RenderSong(*choice.Song, m_tempRichEdit, CurrentRenderStyle());
        return &m_tempRichEdit;
    }
    if (RenderSongbook(choice, progress))
        return &m_tempRichEdit;
    m_tempRichEdit.SelectWholeDocument(); // nothing half made stays behind
    m_tempRichEdit.DeleteSelection();
    return nullptr;
}

// The artist's songbook, or the set list's songs each in the key its window
// was last left in; false when the user stopped it.
bool TDocumentCommands::RenderSongbook(const TChoice& choice, TWorkProgress& progress) {
    const auto keepRendering = [&progress](std::size_t done) { return progress.Report(done); };
    if (choice.Set) {
        progress.Begin("Műsor előkészítése...", choice.Set->Songs.size());
        TEachSongShift shifts([this](const TSong& song) { return ReadSongShift(*m_preferences.Settings, song); },
                              m_preferences.Notation);
        return RenderSet(*choice.Set, m_tempRichEdit, CurrentRenderStyle(), shifts, keepRendering);
    }
    std::size_t songs = 0;
    for (const TSong* song = choice.Artist->FirstSong.get(); song; song = song->Next.get())
        ++songs;
    progress.Begin("Dalkönyv előkészítése...", songs);
    return RenderArtist(*choice.Artist, m_tempRichEdit, CurrentRenderStyle(), keepRendering);
}

bool TDocumentCommands::GetCurrentDocument(QString& title, TRichDocument*& document) {
    const std::optional<TChoice> choice = ChooseCurrentDocument();
    title = choice ? choice->Title : QString();
    const TBusyCursor busy;
    TWorkProgress progress(&m_window, {}, 0);
    document = choice ? Render(*choice, progress) : nullptr;
    return document != nullptr;
}

// The dialog comes first and the songbook is made only once a name is
// chosen. The title is offered as the file name, made fit to be one: it must
// never point into another folder. Making and writing a songbook are one
// wait with one progress; a cancel while writing keeps the old file.
void TDocumentCommands::Save() {
    const std::optional<TChoice> choice = ChooseCurrentDocument();
    if (!choice)
        return;
    QFileDialog dialog(&m_window);
    dialog.setObjectName("SaveDialog");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter("Rich Text fájlok (*.[Rr][Tt][Ff])");
    dialog.setDefaultSuffix("rtf");
    dialog.setDirectory(m_saveFolder);
    dialog.selectFile(QString::fromStdString(SafeFileName(choice->Title.toStdString())));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().first();
    m_saveFolder = QFileInfo(path).absolutePath();
    const TBusyCursor busy;
    TWorkProgress progress(&m_window, {}, 0);
    TRichDocument* document = Render(*choice, progress);
    if (!document)
        return;
    progress.Begin("Dalkönyv mentése...", document->Paragraphs().size());
    document->SaveRichTextFile(path.toStdString(), // the core takes file names in UTF-8 on every system
                               [&progress](std::size_t written) { return progress.Report(written); });
}

// The whole document goes to the clipboard, made up in its formats when a
// program asks; the view's selection is not touched. A songbook made for the
// copy is handed over whole rather than copied: it can be hundreds of
// megabytes, and is made anew for the next command anyway.
void TDocumentCommands::Copy() {
    QString title;
    TRichDocument* document = nullptr;
    if (!GetCurrentDocument(title, document))
        return;
    const TBusyCursor busy;
    if (document != &m_tempRichEdit) {
        QApplication::clipboard()->setMimeData(new TDocumentMimeData(*document));
        return;
    }
    QApplication::clipboard()->setMimeData(new TDocumentMimeData(std::move(m_tempRichEdit)));
    m_tempRichEdit = TRichDocument(ScreenPixelsPerInch);
}

void TDocumentCommands::Print() {
    QString title;
    TRichDocument* document = nullptr;
    if (!GetCurrentDocument(title, document))
        return;
    ApplyPrintMargins(*document);
    if (ConfirmPrintFile(CurrentPrinter(), &m_window))
        PrintDocument(*document, title, CurrentPrinter(), PageOptions(), &m_window);
}

// What printing would print, page by page, from which the user may print.
void TDocumentCommands::PrintPreview() {
    QString title;
    TRichDocument* document = nullptr;
    if (!GetCurrentDocument(title, document))
        return;
    QPrintPreviewDialog preview(&CurrentPrinter(), &m_window);
    preview.setObjectName("PrintPreviewDialog");
    preview.setWindowTitle("Nyomtatási kép – " + title);
    CurrentPrinter().setDocName(title);
    // The preview's own page setup may change the paper: the margins are applied anew each time.
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&](QPrinter* printer) {
        document->PrintRect = PrintRectFor(m_preferences.PageMargins, printer->logicalDpiX(), printer->logicalDpiY(),
                                           printer->width(), printer->height());
        PrintPages(*document, *printer, PageOptions(), PrintToTheEnd);
    });
    preview.exec();
}

TPageOptions TDocumentCommands::PageOptions() const {
    TPageOptions options;
    options.KeepVerses = m_preferences.KeepVerses;
    return options;
}

// Qt quietly prints into a PDF file when no printer is installed; a user who
// did not choose that must hear that there is no printer.
void TDocumentCommands::ApplyPrintMargins(TRichDocument& document) {
    if (!m_printerChosen && QPrinterInfo::availablePrinters().isEmpty())
        throw TPrintError("There is no default printer currently selected");
    QPrinter& printer = CurrentPrinter();
    document.PrintRect = PrintRectFor(m_preferences.PageMargins, printer.logicalDpiX(), printer.logicalDpiY(),
                                      printer.width(), printer.height());
}

QPrinter& TDocumentCommands::CurrentPrinter() {
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

void TDocumentCommands::ChoosePrinter(std::unique_ptr<QPrinter> printer) {
    m_printer = std::move(printer);
    m_printerChosen = true;
}

void TDocumentCommands::PrinterSetup() {
    QPrintDialog dialog(&CurrentPrinter(), &m_window);
    dialog.setObjectName("PrinterSetupDialog");
    dialog.setWindowTitle("Nyomtató beállítása");
    if (dialog.exec() == QDialog::Accepted)
        m_printerChosen = true;
}

// The margins are written after every use of the dialog, OK or not.
void TDocumentCommands::PageSetup() {
    TPageSetupDialog* dialog = m_windows.PageSetupDialog();
    if (!dialog) // not made yet: the program is still starting
        return;
    dialog->Execute(m_preferences.PageMargins, m_preferences.KeepVerses);
    m_preferences.SavePageMargins();
    m_preferences.SaveKeepVerses();
}
