// The document commands of the main window: save, copy, print, printer setup, page setup.
#include "platform/filename.h"
#include "print/qtcolor.h"
#include "print/qttext.h"
#include "render/songrenderer.h"
#include "shell/application.h"
#include "shell/busycursor.h"
#include "shell/documentmimedata.h"
#include "shell/listwindow.h"
#include "shell/mainwindow.h"
#include "shell/pagesetupdialog.h"
#include "shell/printing.h"
#include "shell/songwindow.h"
#include "shell/workprogress.h"

#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTreeWidget>

std::optional<TMainWindow::TDocumentChoice> TMainWindow::ChooseCurrentDocument() const {
    std::optional<TDocumentChoice> choice;
    if (ActiveSongWindow)
        choice = TDocumentChoice{ActiveSongWindow->windowTitle(), &ActiveSongWindow->Document()};
    if (ListWindow && ListWindow->SongList->hasFocus()) {
        choice.reset();
        const QTreeWidgetItem* node = ListWindow->SongList->currentItem();
        if (!node || !node->isSelected())
            return choice;
        if (const TArtist* artist = ListWindow->ArtistOf(node))
            choice = TDocumentChoice{FromAnsi(artist->ArtistName), nullptr, artist};
        else if (const TSong* song = ListWindow->SongOf(node))
            choice = TDocumentChoice{FromAnsi(SongArtistName(*song) + " - " + song->Title), nullptr, nullptr, song};
    }
    return choice;
}

// A song or a songbook of the tree is rendered anew into TempRichEdit; a
// songbook that takes a while shows its progress and may be cancelled (null).
TRichDocument* TMainWindow::RenderChoice(const TDocumentChoice& choice) {
    if (choice.Rendered)
        return choice.Rendered;
    const TBusyCursor busy;
    TempRichEdit.SelectWholeDocument();
    TempRichEdit.DeleteSelection();
    if (choice.Song) {
        RenderSong(*choice.Song, TempRichEdit, CurrentRenderStyle());
        return &TempRichEdit;
    }
    std::size_t songs = 0;
    for (const TSong* song = choice.Artist->FirstSong.get(); song; song = song->Next.get())
        ++songs;
    TWorkProgress progress(this, "Dalkönyv előkészítése...", songs);
    if (RenderArtist(*choice.Artist, TempRichEdit, CurrentRenderStyle(),
                     [&progress](std::size_t done) { return progress.Report(done); }))
        return &TempRichEdit;
    TempRichEdit.SelectWholeDocument(); // nothing half made stays behind
    TempRichEdit.DeleteSelection();
    return nullptr;
}

bool TMainWindow::GetCurrentDocument(QString& title, TRichDocument*& document) {
    const std::optional<TDocumentChoice> choice = ChooseCurrentDocument();
    title = choice ? choice->Title : QString();
    document = choice ? RenderChoice(*choice) : nullptr;
    return document != nullptr;
}

// The dialog comes first and the songbook is made only once a name is
// chosen. The title is offered as the file name, made fit to be one: it must
// never point into another folder.
void TMainWindow::SaveRTFClick() {
    const std::optional<TDocumentChoice> choice = ChooseCurrentDocument();
    if (!choice)
        return;
    QFileDialog dialog(this);
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
    TRichDocument* document = RenderChoice(*choice);
    if (!document)
        return;
    const TBusyCursor busy;
    document->SaveRichTextFile(QFile::encodeName(path).toStdString());
}

// The whole document goes to the clipboard, made up in its formats when a
// program asks; the view's selection is not touched. A songbook made for the
// copy is handed over whole rather than copied: it can be hundreds of
// megabytes, and is made anew for the next command anyway.
void TMainWindow::CopyRTFClick() {
    QString title;
    TRichDocument* document = nullptr;
    if (!GetCurrentDocument(title, document))
        return;
    const TBusyCursor busy;
    if (document != &TempRichEdit) {
        QApplication::clipboard()->setMimeData(new TDocumentMimeData(*document));
        return;
    }
    QApplication::clipboard()->setMimeData(new TDocumentMimeData(std::move(TempRichEdit)));
    TempRichEdit = TRichDocument(ScreenPixelsPerInch);
}

void TMainWindow::m_PrintClick() {
    QString title;
    TRichDocument* document = nullptr;
    if (!GetCurrentDocument(title, document))
        return;
    ApplyPrintMargins(*document);
    if (ConfirmPrintFile(CurrentPrinter(), this))
        PrintDocument(*document, title, CurrentPrinter(), this);
}

// Qt quietly prints into a PDF file when no printer is installed; a user who
// did not choose that must hear that there is no printer.
void TMainWindow::ApplyPrintMargins(TRichDocument& document) {
    if (!m_printerChosen && QPrinterInfo::availablePrinters().isEmpty())
        throw TPrintError("There is no default printer currently selected");
    QPrinter& printer = CurrentPrinter();
    document.PrintRect =
        PrintRectFor(PageMargins(), printer.logicalDpiX(), printer.logicalDpiY(), printer.width(), printer.height());
}

QPrinter& TMainWindow::CurrentPrinter() {
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

void TMainWindow::ChoosePrinter(std::unique_ptr<QPrinter> printer) {
    m_printer = std::move(printer);
    m_printerChosen = true;
}

void TMainWindow::m_PrinterSetupClick() {
    QPrintDialog dialog(&CurrentPrinter(), this);
    dialog.setObjectName("PrinterSetupDialog");
    dialog.setWindowTitle("Nyomtató beállítása");
    if (dialog.exec() == QDialog::Accepted)
        m_printerChosen = true;
}

// The margins are written after every use of the dialog, OK or not.
void TMainWindow::m_PageSetupClick() {
    PageSetupDialog->Execute(PageMargins());
    m_preferences->SavePageMargins();
}
