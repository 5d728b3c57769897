#include "shell/printing.h"

#include "platform/atomicfile.h"
#include "platform/pathtext.h"
#include "print/pageprinter.h"
#include "shell/application.h"
#include "shell/busycursor.h"
#include "shell/workprogress.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrinter>

namespace {

bool PrintsIntoFile(const QPrinter& printer) {
    return printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
}

// The question QFileDialog asks before it replaces a file, in the user's language.
bool MayReplace(const QString& path, QWidget* owner) {
    const QString question =
        QCoreApplication::translate("QFileDialog", "%1 already exists.\nDo you want to replace it?")
            .arg(QFileInfo(path).fileName());
    return QMessageBox::warning(owner, ApplicationTitle, question, QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::No) == QMessageBox::Yes;
}

// The printer writes into another file for a while, and then goes back to its own whatever happens.
class TPrintInto {
public:
    TPrintInto(QPrinter& printer, const QString& path) : m_printer(printer), m_own(printer.outputFileName()) {
        m_printer.setOutputFileName(path);
    }
    ~TPrintInto() { m_printer.setOutputFileName(m_own); }
    TPrintInto(const TPrintInto&) = delete;
    TPrintInto& operator=(const TPrintInto&) = delete;

private:
    QPrinter& m_printer;
    QString m_own;
};

bool PrintPagesWithProgress(const TRichDocument& document, QPrinter& printer, const TPageOptions& options,
                            QWidget* owner) {
    TWorkProgress progress(owner, "Nyomtatás...", document.Paragraphs().size());
    const bool finished = PrintPages(document, printer, options, [&](int pages, std::size_t paragraphs) {
        if (progress.Report(paragraphs, QString("Nyomtatás: %1. oldal").arg(pages + 1)))
            return true;
        printer.abort();
        return false;
    });
    return finished;
}

} // namespace

bool ConfirmPrintFile(QPrinter& printer, QWidget* owner) {
    if (!PrintsIntoFile(printer) || !QFile::exists(printer.outputFileName()) ||
        MayReplace(printer.outputFileName(), owner))
        return true;
    QFileDialog dialog(owner, QString(), printer.outputFileName());
    dialog.setObjectName("PrintFileDialog");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter("PDF fájlok (*.[Pp][Dd][Ff])");
    dialog.setDefaultSuffix("pdf");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    printer.setOutputFileName(dialog.selectedFiles().first());
    return true;
}

bool PrintDocument(const TRichDocument& document, const QString& title, QPrinter& printer, const TPageOptions& options,
                   QWidget* owner) {
    const TBusyCursor busy;
    printer.setDocName(title);
    if (!PrintsIntoFile(printer))
        return PrintPagesWithProgress(document, printer, options, owner);
    const QString target = printer.outputFileName();
    TAtomicFile file(target.toStdString());
    if (!file.Open())
        throw TPrintError("Cannot create file " + target.toStdString() + ": " + file.FailureReason());
    bool finished;
    {
        const TPrintInto into(printer, QString::fromStdString(Utf8FromPath(file.TemporaryPath())));
        finished = PrintPagesWithProgress(document, printer, options, owner);
    }
    if (finished && !file.Commit())
        throw TPrintError("Printing failed: " + target.toStdString() + ": " + file.FailureReason());
    return finished;
}
