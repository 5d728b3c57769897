#pragma once

#include "settings/preferences.h"
#include "shell/formdialog.h"

class QPushButton;
class TMarginField;

// "Oldalbeállítás": the four print margins in millimetres. Only OK changes
// the margins; Escape does not close it.
class TPageSetupDialog : public TFormDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TPageSetupDialog)

public:
    explicit TPageSetupDialog(QWidget* owner);

    int Execute(TPageMargins& margins);

    TMarginField* e_Top;
    TMarginField* e_Bottom;
    TMarginField* e_Left;
    TMarginField* e_Right;
    QPushButton* b_OK;
    QPushButton* b_Cancel;

private:
    void b_OKClick();

    TPageMargins* m_margins = nullptr;
};
