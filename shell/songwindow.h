#pragma once

#include "library/song.h"
#include "render/document.h"

#include <QMdiSubWindow>

class QTextEdit;

// One song, rendered when the window is made and never changed afterwards:
// later font and colour changes reach only windows opened after them.
class TSongWindow : public QMdiSubWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TSongWindow)

public:
    // Renders the song and shows the window in the main window's workspace.
    TSongWindow(QWidget* owner, const TSong& song);
    ~TSongWindow() override;

    const TSong& Song;
    QTextEdit* RichEdit;

    // The rendered song, which save, copy and print use (printing sets its PrintRect).
    TRichDocument& Document() { return m_document; }
    // Shows the text zoomed by the font-size step.
    void ShowSizeStep(int sizeStep);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();

    TRichDocument m_document;
};
