#pragma once

#include "settings/preferences.h"
#include "shell/formdialog.h"

class QCheckBox;
class QPushButton;
class TMarginField;

// "Oldalbeállítás": the four print margins in millimetres, and whether
// verses are kept whole on a page. Only OK changes them; Escape does not
// close it.
class TPageSetupDialog : public TFormDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TPageSetupDialog)

public:
    explicit TPageSetupDialog(QWidget* owner);

    int Execute(TPageMargins& margins, bool& keepVerses);

    TMarginField* e_Top;
    TMarginField* e_Bottom;
    TMarginField* e_Left;
    TMarginField* e_Right;
    QCheckBox* c_KeepVerses;
    QPushButton* b_OK;
    QPushButton* b_Cancel;

private:
    void b_OKClick();

    TPageMargins* m_margins = nullptr;
    bool* m_keepVerses = nullptr;
};
