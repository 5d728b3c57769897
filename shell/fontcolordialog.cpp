#include "shell/fontcolordialog.h"

#include "print/qtcolor.h"
#include "qtbridge/qttext.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFontColorDialog::TFontColorDialog(QWidget* parent, const QString& styleName, int pixelsPerInch)
    : QDialog(parent), m_pixelsPerInch(pixelsPerInch) {
    setObjectName("FontDialog");
    setWindowTitle("Betűtípus – " + styleName);
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

namespace {

// The family's own name for a face ("Regular", not "Normal"): the dialog's
// style list knows only those, and would show its first face for another.
QString FaceStyle(const QString& family, bool bold, bool italic) {
    for (const QString& style : QFontDatabase::styles(family)) {
        if (QFontDatabase::bold(family, style) == bold && QFontDatabase::italic(family, style) == italic)
            return style;
    }
    return {};
}

} // namespace

// A name the font list does not hold ("Courier New" where fontconfig stands in
// for it) is shown as the font that really draws it.
void TFontColorDialog::SetFont(const TFont& font) {
    m_font = font;
    m_shownFamily = QFontInfo(QFont(FromAnsi(font.Name))).family();
    QFont shown(m_shownFamily);
    shown.setPointSize(std::max(1, font.Size(m_pixelsPerInch)));
    shown.setBold(font.Style & FontStyle::Bold);
    shown.setItalic(font.Style & FontStyle::Italic);
    shown.setUnderline(font.Style & FontStyle::Underline);
    shown.setStrikeOut(font.Style & FontStyle::StrikeOut);
    shown.setStyleName(FaceStyle(m_shownFamily, shown.bold(), shown.italic()));
    FontPart->setCurrentFont(shown);
    ShowColor();
}

TFont TFontColorDialog::Font() const {
    TFont font = m_font;
    const QFont chosen = FontPart->currentFont();
    if (chosen.family() != m_shownFamily) // an unchanged family keeps the name it was given
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

// The swatch, and the font part's sample text, which knows no colour of its own.
void TFontColorDialog::ShowColor() {
    QPixmap swatch(32, 14);
    swatch.fill(ToQColor(m_font.Color));
    ColorButton->setIcon(QIcon(swatch));
    ColorButton->setIconSize(swatch.size());
    if (QLineEdit* sample = Sample()) {
        QPalette palette = sample->palette();
        palette.setColor(QPalette::Text, ToQColor(m_font.Color));
        sample->setPalette(palette);
    }
}

// The font part's sample is the line edit in its "Sample" group.
QLineEdit* TFontColorDialog::Sample() const {
    for (QLineEdit* edit : FontPart->findChildren<QLineEdit*>()) {
        if (qobject_cast<QGroupBox*>(edit->parentWidget()))
            return edit;
    }
    return nullptr;
}
