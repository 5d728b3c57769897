#pragma once

#include "shell/formdialog.h"

class QPushButton;

// "Névjegy": who made the program. Closes with OK, Enter or its close button, not with Escape.
class TAboutBox : public TFormDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TAboutBox)

public:
    explicit TAboutBox(QWidget* owner);

    QPushButton* Button1;
};
