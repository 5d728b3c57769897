#pragma once

#include <QProgressDialog>
#include <cstddef>

// A modal progress dialog with a cancel button for work the user waits for
// (rendering a songbook, saving it, printing): it times the work from its
// making and shows itself only once the work will take a while.
class TWorkProgress {
public:
    TWorkProgress(QWidget* owner, const QString& label, std::size_t steps);

    // How long the work runs before the dialog shows; 0 shows it at once
    // (tests that answer it must not depend on how fast the machine is).
    static inline int ShowAfterMilliseconds = 300;

    // The next part of the same work, in the same dialog: a songbook made
    // and then written is one wait for the user, with one cancel.
    void Begin(const QString& label, std::size_t steps);

    // Moves the bar; false once the user has cancelled.
    bool Report(std::size_t done);
    bool Report(std::size_t done, const QString& label);

private:
    QProgressDialog m_dialog;
};
