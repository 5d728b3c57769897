#include "shell/pagesetupdialog.h"

#include "shell/marginfield.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {

void Label(QWidget* group, const char* name, const QString& text, QRect geometry) {
    auto* label = new QLabel(text, group);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

TMarginField* Field(QWidget* parent, const char* name, QRect geometry) {
    auto* field = new TMarginField(parent);
    field->setObjectName(name);
    field->setGeometry(geometry);
    return field;
}

QPushButton* Button(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    return button;
}

} // namespace

TPageSetupDialog::TPageSetupDialog(QWidget* owner) : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName("PageSetupDialog");
    setProperty("ProgramForm", true);
    setWindowTitle("Oldalbeállítás");
    setFont(QFont("MS Sans Serif", 8));
    setFixedSize(289, 138);
    move(194, 112);
    auto* group = new QGroupBox(" Margók ", this);
    group->setObjectName("GroupBox1");
    group->setGeometry(8, 8, 273, 89);
    Label(group, "Label1", "Felső:", {16, 26, 28, 17});
    Label(group, "Label5", "mm", {110, 26, 16, 13});
    Label(group, "Label3", "Alsó:", {144, 26, 23, 13});
    Label(group, "Label8", "mm", {238, 26, 16, 13});
    Label(group, "Label2", "Bal:", {16, 50, 18, 13});
    Label(group, "Label6", "mm", {110, 50, 16, 13});
    Label(group, "Label4", "Jobb:", {144, 50, 26, 17});
    Label(group, "Label7", "mm", {238, 50, 16, 13});
    e_Top = Field(this, "e_Top", {64, 32, 52, 22});
    e_Bottom = Field(this, "e_Bottom", {192, 32, 52, 22});
    e_Left = Field(this, "e_Left", {64, 56, 52, 22});
    e_Right = Field(this, "e_Right", {192, 56, 52, 22});
    b_OK = Button(this, "b_OK", "OK", {120, 106, 73, 24});
    b_OK->setDefault(true);
    b_Cancel = Button(this, "b_Cancel", "Mégsem", {200, 106, 75, 24});
    setTabOrder(e_Top, e_Bottom);
    setTabOrder(e_Bottom, e_Left);
    setTabOrder(e_Left, e_Right);
    setTabOrder(e_Right, b_OK);
    setTabOrder(b_OK, b_Cancel);
    connect(b_OK, &QPushButton::clicked, this, &TPageSetupDialog::b_OKClick);
    connect(b_Cancel, &QPushButton::clicked, this, &QDialog::reject);
}

int TPageSetupDialog::Execute(TPageMargins& margins) {
    m_margins = &margins;
    e_Top->SetValue(margins.Top);
    e_Bottom->SetValue(margins.Bottom);
    e_Left->SetValue(margins.Left);
    e_Right->SetValue(margins.Right);
    e_Top->setFocus();
    return exec();
}

// Closing ends with the cancel result whichever button closed it.
void TPageSetupDialog::b_OKClick() {
    m_margins->Top = e_Top->Value();
    m_margins->Bottom = e_Bottom->Value();
    m_margins->Left = e_Left->Value();
    m_margins->Right = e_Right->Value();
    reject();
}

// No button is the cancel button, so Escape has nothing to press.
void TPageSetupDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
