#pragma once

#include <QDialog>

class QPushButton;

// "Névjegy": who made the program. Closes with OK, Enter or its close button, not with Escape.
class TAboutBox : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TAboutBox)

public:
    explicit TAboutBox(QWidget* owner);

    QPushButton* Button1;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
