// The document commands of the main window: save, copy, print, printer setup, page setup.
#include "platform/filename.h"
#include "print/qtcolor.h"
#include "print/qttext.h"
#include "render/htmlwriter.h"
#include "render/rtfwriter.h"
#include "render/songrenderer.h"
#include "shell/application.h"
#include "shell/listwindow.h"
#include "shell/mainwindow.h"
#include "shell/pagesetupdialog.h"
#include "shell/printing.h"
#include "shell/songwindow.h"

#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTreeWidget>

namespace {

// The rich-text formats that word processors read from the clipboard.
const char* const RichTextFormats[] = {
    "text/rtf",
    "text/richtext",
    "application/rtf",
#ifdef Q_OS_WIN
    "Rich Text Format",
#endif
};

} // namespace

bool TMainWindow::GetCurrentDocument(QString& title, TRichDocument*& document) {
    title.clear();
    document = nullptr;
    if (ActiveSongWindow) {
        title = ActiveSongWindow->windowTitle();
        document = &ActiveSongWindow->Document();
    }
    if (ListWindow && ListWindow->SongList->hasFocus()) {
        title.clear();
        document = nullptr;
        const QTreeWidgetItem* node = ListWindow->SongList->currentItem();
        if (!node || !node->isSelected())
            return false;
        TempRichEdit.SelectWholeDocument();
        TempRichEdit.DeleteSelection();
        if (const TArtist* artist = ListWindow->ArtistOf(node)) {
            title = FromAnsi(artist->ArtistName);
            RenderArtist(*artist, TempRichEdit, CurrentRenderStyle());
        } else if (const TSong* song = ListWindow->SongOf(node)) {
            title = FromAnsi(SongArtistName(*song) + " - " + song->Title);
            RenderSong(*song, TempRichEdit, CurrentRenderStyle());
        }
        document = &TempRichEdit;
    }
    return document != nullptr;
}

// The title is offered as the file name, made fit to be one: it must never point into another folder.
void TMainWindow::SaveRTFClick() {
    QString title;
    TRichDocument* document = nullptr;
    if (!GetCurrentDocument(title, document))
        return;
    QFileDialog dialog(this);
    dialog.setObjectName("SaveDialog");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter("Rich Text fájlok (*.[Rr][Tt][Ff])");
    dialog.setDefaultSuffix("rtf");
    dialog.selectFile(QString::fromStdString(SafeFileName(title.toStdString())));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    document->SaveRichTextFile(QFile::encodeName(dialog.selectedFiles().first()).toStdString());
}

// The whole document goes to the clipboard; the view's selection is not touched.
void TMainWindow::CopyRTFClick() {
    QString title;
    TRichDocument* document = nullptr;
    if (!GetCurrentDocument(title, document))
        return;
    auto* data = new QMimeData;
    const QByteArray richText = QByteArray::fromStdString(RichText(*document));
    for (const char* format : RichTextFormats)
        data->setData(format, richText);
    data->setHtml(QString::fromStdString(HtmlText(*document)));
    data->setText(QString::fromStdString(PlainText(*document)));
    QApplication::clipboard()->setMimeData(data);
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
