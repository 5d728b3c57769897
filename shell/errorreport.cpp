#include "shell/errorreport.h"

#include "print/qtcolor.h"
#include "qtbridge/qttext.h"
#include "shell/application.h"

#include <QMessageBox>
#include <new>

QString ErrorBoxText(const QString& message) {
    if (!message.isEmpty() && message.back() > QChar('.'))
        return message + '.';
    return message;
}

namespace {

void ShowBox(QMessageBox::Icon icon, const char* name, const QString& message) {
    QMessageBox box(icon, ApplicationTitle, ErrorBoxText(message), QMessageBox::Ok, QApplication::activeWindow());
    box.setObjectName(name);
    box.exec();
}

} // namespace

void ReportError(const QString& message) {
    ShowBox(QMessageBox::Critical, "ErrorBox", message);
}

void ReportWarning(const QString& message) {
    ShowBox(QMessageBox::Warning, "WarningBox", message);
}

// Memory can run out anywhere (a huge songbook); the user reads words, not a type name.
void ReportError(const std::exception& error) {
    ReportError(dynamic_cast<const std::bad_alloc*>(&error) ? "Not enough memory" : MessageText(error.what()));
}
