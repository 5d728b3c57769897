#include "shell/errorreport.h"

#include "shell/application.h"
#include "shell/modeltext.h"

#include <QMessageBox>

QString ErrorBoxText(const QString& message) {
    if (!message.isEmpty() && message.back() > QChar('.'))
        return message + '.';
    return message;
}

void ReportError(const QString& message) {
    QMessageBox box(QMessageBox::Critical, ApplicationTitle, ErrorBoxText(message), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setObjectName("ErrorBox");
    box.exec();
}

void ReportError(const std::exception& error) {
    ReportError(MessageText(error.what()));
}
