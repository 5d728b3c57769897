#pragma once

#include <Qt>

// What a key does in the performance view. Foot pedals send Page Down and
// Page Up, or the arrow keys.
enum class TStageCommand {
    None,
    Leave,        // Escape, F11
    NextPage,     // Page Down, Space, Right, Down
    PreviousPage, // Page Up, Left, Up
    FirstPage,    // Home
    LastPage,     // End
    NextSong,     // Alt+Page Down
    PreviousSong, // Alt+Page Up
    Scroll,       // A: auto-scroll starts or stops
    Faster,       // +
    Slower,       // -
    Colors,       // D: the dark scheme or the song window's colours
};

TStageCommand StageCommandOf(int key, Qt::KeyboardModifiers modifiers);

// A click or a tap on the left third of the view turns back, elsewhere
// forward; the mouse's back and forward buttons do as they say.
TStageCommand StageCommandOfClick(Qt::MouseButton button, double x, double width);

// Wheel turns, a page for each notch however finely the wheel or the
// touchpad reports them.
class TStageWheel {
public:
    // Page turns the wheel has made up to now: forward positive, back negative.
    int Turn(int angleDelta);

private:
    int m_pending = 0;
};
