#pragma once

#include "print/pageflow.h"
#include "render/document.h"

#include <QString>
#include <stdexcept>

class QPrinter;
class QWidget;

class TPrintError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Before printing into a file that exists: the save dialog's question, and
// on "no" a file dialog for another name. False: do not print.
bool ConfirmPrintFile(QPrinter& printer, QWidget* owner);

// Prints the whole document as one job named title (see PrintPages), with a
// busy cursor, and a progress dialog with a cancel button when it takes a
// while. A file is written whole or not at all: a cancelled or failed print
// leaves the old file as it was. False when cancelled.
bool PrintDocument(const TRichDocument& document, const QString& title, QPrinter& printer, const TPageOptions& options,
                   QWidget* owner);
