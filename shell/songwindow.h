#pragma once

#include "library/song.h"
#include "render/document.h"
#include "render/systemcolors.h"

#include <QMdiSubWindow>

class QTextEdit;
class TFindBar;

// One song, rendered when the window is made and never changed afterwards:
// later font and colour changes reach only windows opened after them. The
// main window makes it and places it in its workspace.
class TSongWindow : public QMdiSubWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TSongWindow)

public:
    // Renders the song, shown on the background colour.
    TSongWindow(const TSong& song, TColor background);
    ~TSongWindow() override;

    const TSong& Song;
    QTextEdit* RichEdit;

    // The rendered song, which save, copy and print use (printing sets its PrintRect).
    TRichDocument& Document() { return m_document; }
    // Shows the text zoomed by the font-size step.
    void ShowSizeStep(int sizeStep);
    // Ctrl+F: finding in the song's text.
    void ShowFind();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate(TColor background);

    TRichDocument m_document;
    TFindBar* m_find;
};
