#include "shell/marginfield.h"

#include "settings/integertext.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>

TMarginField::TMarginField(QWidget* parent) : QAbstractSpinBox(parent) {
    setAccelerated(false);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setKeyboardTracking(true);
}

int TMarginField::Value() const {
    return ParseIntegerText(text().toStdString()).value_or(0);
}

void TMarginField::SetValue(int value) {
    lineEdit()->setText(QString::number(value));
}

// Steps beyond the 32-bit range wrap, as adding one to the stored number does.
void TMarginField::stepBy(int steps) {
    SetValue(static_cast<int>(static_cast<unsigned>(Value()) + static_cast<unsigned>(steps)));
}

// Any text may stand in the field; it reads as 0 when it is not a number.
QValidator::State TMarginField::validate(QString&, int&) const {
    return QValidator::Acceptable;
}

QAbstractSpinBox::StepEnabled TMarginField::stepEnabled() const {
    return StepUpEnabled | StepDownEnabled;
}

void TMarginField::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    if (typed.size() == 1 && typed[0].isPrint() && !(event->modifiers() & Qt::ControlModifier)) {
        const QChar c = typed[0];
        if (!c.isDigit() && c != '+' && c != '-' && c != QLocale().decimalPoint().front()) {
            QApplication::beep();
            event->accept();
            return;
        }
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->ignore(); // the dialog's default button takes it
        return;
    }
    QAbstractSpinBox::keyPressEvent(event);
}
