#pragma once

#include "chords/transposition.h"
#include "library/song.h"
#include "print/stagelayout.h"
#include "print/stagescheme.h"
#include "print/stagetext.h"
#include "render/document.h"
#include "shell/songwindow.h"
#include "shell/stagekeys.h"

#include <QPointer>
#include <QWidget>
#include <chrono>
#include <memory>
#include <vector>

class QPainter;
class QTimer;
class TPreferences;

// Songs played from the screen, one at a time, each filling the screen of
// the window the view was opened from: zoomed so that its longest line fits,
// in two columns when it is long and the screen wide; turned a screenful at
// a time by keys, clicks or the wheel (the last chord and text line of a
// screen repeated at the top of the next) or scrolled by itself, in lines per
// minute remembered per song.
// Escape or F11 close it and give the window it came from the keyboard.
// Whoever opens it keeps the songs' library alive for as long as it lives.
class TPerformanceView : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TPerformanceView)

public:
    // Shows songs[start] (the first when there is no such song; there must be
    // one at least), full screen, in the look's fonts; `from` is the window it
    // belongs to and returns to.
    TPerformanceView(std::vector<TShiftedSong> songs, std::size_t start, const TSongWindowLook& look,
                     TPreferences& preferences, QWidget* from);

    std::size_t SongIndex() const { return m_index; }
    const TStageLayout& Layout() const { return *m_layout; }
    double Position() const { return m_position; }
    bool Scrolling() const;
    int Speed() const { return m_speed; }
    bool Dark() const { return m_dark; }
    // The song as it is drawn: its shift, the fonts, their colours.
    const TRichDocument& Document() const { return m_document; }
    // Under the last screenful of a song that has one after it, its title; else nothing.
    QString NextSongNote() const;
    // Auto-scroll after so much time: the view's timer calls it with its interval.
    void AdvanceScroll(std::chrono::milliseconds elapsed);

    // The mouse pointer leaves the text when the mouse has been still this long.
    static inline int HideCursorAfterMilliseconds = 2000;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Perform(TStageCommand command);
    void ShowSong(std::size_t index);
    void Render();
    void LayOut();
    void GoTo(double position);
    void ToggleScroll();
    void ChangeSpeed(int change);
    void ToggleColors();
    double Margin() const;
    QFont FootFont() const;
    QRectF TextArea() const;
    void DrawColumns(QPainter& painter, double height) const;
    void DrawLines(QPainter& painter, std::size_t begin, std::size_t end, QPointF top) const;
    void DrawFoot(QPainter& painter, const QRectF& area) const;

    std::vector<TShiftedSong> m_songs;
    std::size_t m_index = 0;
    const TSongWindowLook m_look;
    TPreferences& m_preferences;
    QPointer<QWidget> m_from;
    TRichDocument m_document;
    bool m_dark;
    std::unique_ptr<TStageText> m_text;
    std::unique_ptr<TStageLayout> m_layout;
    double m_position = 0;
    int m_speed = 0;
    QTimer* m_scrollTimer;
    QTimer* m_cursorTimer;
    bool m_keyHeld = false;
    TStageWheel m_wheel;
};
