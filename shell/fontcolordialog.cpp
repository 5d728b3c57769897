#include "shell/fontcolordialog.h"

#include "shell/modeltext.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TFontColorDialog::TFontColorDialog(QWidget* parent, int pixelsPerInch)
    : QDialog(parent), m_pixelsPerInch(pixelsPerInch) {
    setObjectName("FontDialog");
    setWindowTitle("Betűtípus");
    FontPart = new QFontDialog(this);
    FontPart->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    FontPart->setWindowFlags(Qt::Widget);
    connect(FontPart, &QFontDialog::rejected, this, &QDialog::reject); // Escape inside the embedded part

    ColorButton = new QPushButton(this);
    ColorButton->setObjectName("ColorButton");
    connect(ColorButton, &QPushButton::clicked, this, &TFontColorDialog::ChooseColor);
    auto* colorRow = new QHBoxLayout;
    colorRow->addWidget(new QLabel("Szín:", this));
    colorRow->addWidget(ColorButton);
    colorRow->addStretch();

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton("OK", QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton("Mégsem", QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FontPart);
    layout->addLayout(colorRow);
    layout->addWidget(buttons);
}

void TFontColorDialog::SetFont(const TFont& font) {
    m_font = font;
    QFont shown(FromAnsi(font.Name));
    shown.setPointSize(std::max(1, font.Size(m_pixelsPerInch)));
    shown.setBold(font.Style & FontStyle::Bold);
    shown.setItalic(font.Style & FontStyle::Italic);
    shown.setUnderline(font.Style & FontStyle::Underline);
    shown.setStrikeOut(font.Style & FontStyle::StrikeOut);
    FontPart->setCurrentFont(shown);
    ShowColor();
}

TFont TFontColorDialog::Font() const {
    TFont font = m_font;
    const QFont chosen = FontPart->currentFont();
    font.Name = ToAnsi(chosen.family());
    font.SetSize(chosen.pointSize() > 0 ? chosen.pointSize() : qRound(chosen.pointSizeF()), m_pixelsPerInch);
    font.Style = (chosen.bold() ? FontStyle::Bold : 0) | (chosen.italic() ? FontStyle::Italic : 0) |
                 (chosen.underline() ? FontStyle::Underline : 0) | (chosen.strikeOut() ? FontStyle::StrikeOut : 0);
    return font;
}

// A system colour keeps following the colour scheme until the user picks a colour.
void TFontColorDialog::ChooseColor() {
    const QColor chosen = QColorDialog::getColor(ToQColor(m_font.Color), this, "Szín");
    if (chosen.isValid())
        m_font.Color = FromQColor(chosen);
    ShowColor();
}

void TFontColorDialog::ShowColor() {
    QPixmap swatch(32, 14);
    swatch.fill(ToQColor(m_font.Color));
    ColorButton->setIcon(QIcon(swatch));
    ColorButton->setIconSize(swatch.size());
}
