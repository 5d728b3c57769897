#include "shell/loadstatus.h"

#include <QCoreApplication>
#include <QLabel>
#include <QWindow>

namespace {

constexpr int RepaintIntervalMilliseconds = 40;
constexpr qint64 ExposeWaitMilliseconds = 1000;
constexpr auto DrawingOnly = QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers;

QLabel* FixedLabel(QWidget* parent, const QString& text, int top) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(8, top, 457, 13);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    label->setWordWrap(false);
    return label;
}

} // namespace

TLoadStatus::TLoadStatus(QWidget* owner) : TFormDialog(owner) {
    setObjectName("LoadStatus");
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

// Shown and drawn before the first file: a window that the window system has
// not exposed yet draws nothing when told to repaint.
void TLoadStatus::ShowBeforeLoading() {
    show();
    QElapsedTimer waited;
    waited.start();
    while (!(windowHandle() && windowHandle()->isExposed()) && waited.elapsed() < ExposeWaitMilliseconds)
        QCoreApplication::processEvents(DrawingOnly, RepaintIntervalMilliseconds);
    Repaint();
    m_sinceRepaint.invalidate(); // the first file is shown whatever follows
}

// The window system's drawing events are let through, the user's input never:
// nothing may act on a library still being loaded.
void TLoadStatus::Repaint() {
    repaint();
    QCoreApplication::processEvents(DrawingOnly);
    m_sinceRepaint.start();
}
