#pragma once

#include "library/loader.h"
#include "shell/formdialog.h"

#include <QElapsedTimer>

class QLabel;

// Shows the path of the file being loaded while the library loads. It is
// drawn at once, letting through only the window system's drawing events and
// never the user's input, and at a bounded rate: a large library must not
// spend its load time painting.
class TLoadStatus : public TFormDialog, public TLoadProgress {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TLoadStatus)

public:
    explicit TLoadStatus(QWidget* owner);

    void ShowBeforeLoading();

    void FileStarted(const std::string& path) override;
    void FileFailed(const TLoadFailure& failure) override;

    QLabel* Label1;
    QLabel* FileName;

private:
    void Repaint();

    QElapsedTimer m_sinceRepaint;
};
