#pragma once

#include <QDialog>

// A dialog form of the program's own (the about box, page setup, load
// status): fixed in size, in the forms' font ("MS Sans Serif", 8 points, or
// the face that stands in for it), it leaves no song window active when it
// takes the focus, and, having no cancel button, Escape does not close it.
class TFormDialog : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TFormDialog)

public:
    explicit TFormDialog(QWidget* owner);

    // How the main window tells the program's own forms from common dialogs.
    static bool IsForm(const QWidget* widget);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
