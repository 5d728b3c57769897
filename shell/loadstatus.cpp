#include "shell/loadstatus.h"

#include <QLabel>

namespace {

constexpr qint64 RepaintIntervalMilliseconds = 40;

QLabel* FixedLabel(QWidget* parent, const QString& text, int top) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(8, top, 457, 13);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    label->setWordWrap(false);
    return label;
}

} // namespace

TLoadStatus::TLoadStatus(QWidget* owner) : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName("LoadStatus");
    setProperty("ProgramForm", true); // taking the focus leaves no song window active
    setWindowTitle("Fájlok betöltése...");
    setFixedSize(473, 62);
    move(319, 381);
    Label1 = FixedLabel(this, "Betöltés:", 16);
    Label1->setObjectName("Label1");
    FileName = FixedLabel(this, "[fájlnév]", 32);
    FileName->setObjectName("FileName");
}

void TLoadStatus::FileStarted(const std::string& path) {
    FileName->setText(QString::fromStdString(path));
    if (!m_sinceRepaint.isValid() || m_sinceRepaint.elapsed() >= RepaintIntervalMilliseconds)
        Repaint();
}

// The failed file stays on show; the error box comes after the load.
void TLoadStatus::FileFailed(const TLoadFailure& failure) {
    FileName->setText(QString::fromStdString(failure.Path));
    Repaint();
}

void TLoadStatus::Repaint() {
    repaint();
    m_sinceRepaint.start();
}
