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
