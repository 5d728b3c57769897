#include "shell/pagesetupdialog.h"

#include "shell/marginfield.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace {

// The layout was drawn for "MS Sans Serif" 8 points on a 96 pixels-per-inch
// screen, 13 pixels a line. Where the font that stands in for it is taller
// (another face, a denser screen), every place and size grows with it, and a
// label is never narrower than its text.
class TDialogScale {
public:
    explicit TDialogScale(const QFontMetrics& metrics)
        : m_metrics(metrics), m_factor(std::max(1.0, metrics.height() / 13.0)) {}

    int Of(int pixels) const { return qRound(pixels * m_factor); }
    QRect Of(QRect designed) const {
        return {Of(designed.left()), Of(designed.top()), Of(designed.width()), Of(designed.height())};
    }
    QRect Fitting(QRect designed, const QString& text) const {
        QRect scaled = Of(designed);
        scaled.setWidth(std::max(scaled.width(), m_metrics.horizontalAdvance(text) + 2));
        scaled.setHeight(std::max(scaled.height(), m_metrics.height()));
        return scaled;
    }

private:
    QFontMetrics m_metrics;
    double m_factor;
};

void Label(QWidget* group, const TDialogScale& scale, const char* name, const QString& text, QRect designed) {
    auto* label = new QLabel(text, group);
    label->setObjectName(name);
    label->setGeometry(scale.Fitting(designed, text));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

TMarginField* Field(QWidget* parent, const TDialogScale& scale, const char* name, QRect designed) {
    auto* field = new TMarginField(parent);
    field->setObjectName(name);
    field->setGeometry(scale.Of(designed));
    return field;
}

QPushButton* Button(QWidget* parent, const TDialogScale& scale, const char* name, const QString& caption,
                    QRect designed) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(scale.Fitting(designed, caption));
    return button;
}

} // namespace

TPageSetupDialog::TPageSetupDialog(QWidget* owner) : TFormDialog(owner) {
    setObjectName("PageSetupDialog");
    setWindowTitle("Oldalbeállítás");
    const TDialogScale scale(fontMetrics());
    setFixedSize(scale.Of(289), scale.Of(138));
    move(194, 112);
    auto* group = new QGroupBox(" Margók ", this);
    group->setObjectName("GroupBox1");
    group->setGeometry(scale.Of(QRect(8, 8, 273, 89)));
    Label(group, scale, "Label1", "Felső:", {16, 26, 28, 17});
    Label(group, scale, "Label5", "mm", {110, 26, 16, 13});
    Label(group, scale, "Label3", "Alsó:", {144, 26, 23, 13});
    Label(group, scale, "Label8", "mm", {238, 26, 16, 13});
    Label(group, scale, "Label2", "Bal:", {16, 50, 18, 13});
    Label(group, scale, "Label6", "mm", {110, 50, 16, 13});
    Label(group, scale, "Label4", "Jobb:", {144, 50, 26, 17});
    Label(group, scale, "Label7", "mm", {238, 50, 16, 13});
    e_Top = Field(this, scale, "e_Top", {64, 32, 52, 22});
    e_Bottom = Field(this, scale, "e_Bottom", {192, 32, 52, 22});
    e_Left = Field(this, scale, "e_Left", {64, 56, 52, 22});
    e_Right = Field(this, scale, "e_Right", {192, 56, 52, 22});
    // Under the margins, where the frame has room: the form keeps its size.
    c_KeepVerses = new QCheckBox("Versszakok egyben", this);
    c_KeepVerses->setObjectName("c_KeepVerses");
    c_KeepVerses->setGeometry(scale.Of(QRect(16, 79, 250, 17)));
    b_OK = Button(this, scale, "b_OK", "OK", {120, 106, 73, 24});
    b_OK->setDefault(true);
    b_Cancel = Button(this, scale, "b_Cancel", "Mégsem", {200, 106, 75, 24});
    setTabOrder(e_Top, e_Bottom);
    setTabOrder(e_Bottom, e_Left);
    setTabOrder(e_Left, e_Right);
    setTabOrder(e_Right, c_KeepVerses);
    setTabOrder(c_KeepVerses, b_OK);
    setTabOrder(b_OK, b_Cancel);
    connect(b_OK, &QPushButton::clicked, this, &TPageSetupDialog::b_OKClick);
    connect(b_Cancel, &QPushButton::clicked, this, &QDialog::reject);
}

int TPageSetupDialog::Execute(TPageMargins& margins, bool& keepVerses) {
    m_margins = &margins;
    m_keepVerses = &keepVerses;
    c_KeepVerses->setChecked(keepVerses);
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
    *m_keepVerses = c_KeepVerses->isChecked();
    reject();
}
