#include "shell/stagekeys.h"

// The keypad's keys are the same keys; Shift is what some keyboards need for "+".
TStageCommand StageCommandOf(int key, Qt::KeyboardModifiers modifiers) {
    const Qt::KeyboardModifiers held = modifiers & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if (held == Qt::AltModifier)
        return key == Qt::Key_PageDown ? TStageCommand::NextSong
               : key == Qt::Key_PageUp ? TStageCommand::PreviousSong
                                       : TStageCommand::None;
    if (held != Qt::NoModifier)
        return TStageCommand::None;
    switch (key) {
    case Qt::Key_Escape:
    case Qt::Key_F11:
        return TStageCommand::Leave;
    case Qt::Key_PageDown:
    case Qt::Key_Space:
    case Qt::Key_Right:
    case Qt::Key_Down:
        return TStageCommand::NextPage;
    case Qt::Key_PageUp:
    case Qt::Key_Left:
    case Qt::Key_Up:
        return TStageCommand::PreviousPage;
    case Qt::Key_Home:
        return TStageCommand::FirstPage;
    case Qt::Key_End:
        return TStageCommand::LastPage;
    case Qt::Key_A:
        return TStageCommand::Scroll;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        return TStageCommand::Faster;
    case Qt::Key_Minus:
        return TStageCommand::Slower;
    case Qt::Key_D:
        return TStageCommand::Colors;
    default:
        return TStageCommand::None;
    }
}

TStageCommand StageCommandOfClick(Qt::MouseButton button, double x, double width) {
    switch (button) {
    case Qt::LeftButton:
        return x < width / 3 ? TStageCommand::PreviousPage : TStageCommand::NextPage;
    case Qt::BackButton:
        return TStageCommand::PreviousPage;
    case Qt::ForwardButton:
        return TStageCommand::NextPage;
    default:
        return TStageCommand::None;
    }
}

// A wheel turned towards the user (a negative delta) goes down the song.
int TStageWheel::Turn(int angleDelta) {
    constexpr int Notch = 120;
    m_pending -= angleDelta;
    const int turns = m_pending / Notch;
    m_pending -= turns * Notch;
    return turns;
}
