#pragma once

#include "render/font.h"

#include <QDialog>

class QFontDialog;
class QLineEdit;
class QPushButton;

// The font dialog: face, size, bold and italic, underline, strike-out, and
// the colour that the platform's font dialog does not offer.
class TFontColorDialog : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TFontColorDialog)

public:
    // The title names the text style being set ("Betűtípus – Dalszöveg").
    TFontColorDialog(QWidget* parent, const QString& styleName, int pixelsPerInch);

    void SetFont(const TFont& font);
    // The font as chosen; what the dialog does not show (character set, pitch) stays.
    TFont Font() const;

    QFontDialog* FontPart;
    QPushButton* ColorButton;

private:
    void ChooseColor();
    void ShowColor();
    QLineEdit* Sample() const;

    int m_pixelsPerInch;
    TFont m_font;
    QString m_shownFamily;
};
