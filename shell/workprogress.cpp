#include "shell/workprogress.h"

#include "shell/application.h"

#include <algorithm>
#include <climits>

namespace {

int Steps(std::size_t count) {
    return static_cast<int>(std::min<std::size_t>(count, INT_MAX));
}

} // namespace

TWorkProgress::TWorkProgress(QWidget* owner, const QString& label, std::size_t steps)
    : m_dialog(label, "Mégsem", 0, Steps(steps), owner) {
    m_dialog.setObjectName("WorkProgress");
    m_dialog.setWindowTitle(ApplicationTitle);
    m_dialog.setWindowModality(Qt::ApplicationModal); // nothing may change what the work reads
    m_dialog.setMinimumDuration(ShowAfterMilliseconds);
    m_dialog.setAutoReset(false);
    m_dialog.setValue(0);
    if (ShowAfterMilliseconds == 0)
        m_dialog.show();
}

void TWorkProgress::Begin(const QString& label, std::size_t steps) {
    m_dialog.setLabelText(label);
    m_dialog.setMaximum(Steps(steps));
    m_dialog.setValue(0);
}

bool TWorkProgress::Report(std::size_t done) {
    m_dialog.setValue(std::min(Steps(done), m_dialog.maximum()));
    return !m_dialog.wasCanceled();
}

bool TWorkProgress::Report(std::size_t done, const QString& label) {
    m_dialog.setLabelText(label);
    return Report(done);
}
