#pragma once

#include "chords/transposition.h"
#include "library/song.h"
#include "render/document.h"
#include "render/styleslots.h"
#include "render/systemcolors.h"

#include <QMdiSubWindow>

class QAction;
class QMenu;
class QTextEdit;
class TFindBar;

// How a song window shows its song, as its maker has it when it makes it.
struct TSongWindowLook {
    TStyleFonts Fonts;
    int PixelsPerInch; // the screen's, which ties the fonts' sizes to their heights
    int SizeStep;      // the zoom on screen, until ShowSizeStep
    TColor Background;
    TNotation Notation; // for a song whose chords do not show theirs
};

// One song, rendered when the window is made in the fonts of that moment:
// later font and colour changes reach only windows opened after them. Its
// shift (transposition and capo) renders it anew, in those same fonts. The
// main window makes it and places it in its workspace.
class TSongWindow : public QMdiSubWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TSongWindow)

public:
    // Renders the song shifted, as the look says.
    TSongWindow(const TSong& song, const TSongWindowLook& look, TSongShift shift);
    ~TSongWindow() override;

    const TSong& Song;
    QTextEdit* RichEdit;

    // The rendered song, which save, copy and print use (printing sets its PrintRect).
    TRichDocument& Document() { return m_document; }
    // Shows the text zoomed by the font-size step.
    void ShowSizeStep(int sizeStep);
    // Ctrl+F: finding in the song's text.
    void ShowFind();

    TSongShift Shift() const { return m_shift; }
    // What the window was made with, its size step as it is now.
    TSongWindowLook Look() const;
    // The song rendered anew with the shift, its caption saying so; the view
    // stays where it was, and an open find finds again.
    void SetShift(TSongShift shift);

signals:
    // The user moved the song: Ctrl+Up, Ctrl+Down, or the context menu.
    void ShiftChosen(const TSong& song, TSongShift shift);
    // F11, or "Előadói nézet" of the context menu: the song full screen.
    void PerformanceChosen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate(TColor background);
    void CreateShiftActions();
    void CreatePerformanceAction();
    void ShowContextMenu(QPoint position);
    void ChooseShift(TSongShift shift);
    void RenderShifted();

    TRichDocument m_document;
    TFindBar* m_find;
    const TStyleFonts m_fonts;
    const int m_pixelsPerInch;
    int m_sizeStep;
    const TNotation m_notation;
    const TColor m_background;
    TSongShift m_shift;
    QMenu* m_shiftMenu;
    std::array<QAction*, HighestCapo + 1> m_capoItems;
    QAction* m_performance;
};
