#include "shell/aboutbox.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

QLabel* StaticText(QWidget* parent, const char* name, const QString& text, int left, int top) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->move(left, top);
    label->adjustSize();
    return label;
}

} // namespace

TAboutBox::TAboutBox(QWidget* owner) : TFormDialog(owner) {
    setObjectName("AboutBox");
    setWindowTitle("Névjegy");
    setFixedSize(169, 173);
    auto* bevel = new QFrame(this);
    bevel->setObjectName("Bevel1");
    bevel->setFrameShape(QFrame::Box);
    bevel->setFrameShadow(QFrame::Sunken);
    bevel->setGeometry(0, 1, 169, 172);
    StaticText(this, "StaticText2", "Készítette:", 16, 56);
    StaticText(this, "StaticText3", "a Vivira redir csapata", 32, 72);
    StaticText(this, "StaticText4", "2025–2026", 32, 88);
    Button1 = new QPushButton("OK", this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(48, 128, 75, 25);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
}
