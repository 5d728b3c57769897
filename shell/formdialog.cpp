#include "shell/formdialog.h"

#include <QFont>
#include <QKeyEvent>

TFormDialog::TFormDialog(QWidget* owner) : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    setFont(QFont("MS Sans Serif", 8));
}

bool TFormDialog::IsForm(const QWidget* widget) {
    return qobject_cast<const TFormDialog*>(widget) != nullptr;
}

void TFormDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
