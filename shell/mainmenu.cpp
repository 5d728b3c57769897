// The menu of the main window and the commands it gives for fonts, size,
// background, the window list and the about box.
#include "print/qtcolor.h"
#include "print/qttext.h"
#include "shell/aboutbox.h"
#include "shell/application.h"
#include "shell/errorreport.h"
#include "shell/fontcolordialog.h"
#include "shell/icons.h"
#include "shell/mainwindow.h"
#include "shell/songwindow.h"

#include <QActionGroup>
#include <QColorDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>

namespace {

struct TFontItem {
    QAction* TMainWindow::*Member;
    const char* Name;
    const char* Caption;
    TStyleSlot Slot;
};

const TFontItem FontItems[] = {
    {&TMainWindow::m_Normal, "m_Normal", "&Normál szöveg...", StyleSlot::Normal},
    {&TMainWindow::m_Verse, "m_Verse", "&Dalszöveg...", StyleSlot::Verse},
    {&TMainWindow::m_Chords, "m_Chords", "&Kíséret...", StyleSlot::Chords},
    {&TMainWindow::m_Tab, "m_Tab", "&Tabulatúra...", StyleSlot::Tab},
    {&TMainWindow::m_Title, "m_Title", "&Cím...", StyleSlot::Title},
    {&TMainWindow::m_Authors, "m_Authors", "&Szerzők...", StyleSlot::Authors},
};

constexpr const char* SizeCaptions[] = {"Legkisebb", "Kisebb", "Közepes", "Nagyobb", "Legnagyobb"};
constexpr int SmallestStep = -2;

QAction* NamedAction(QMenu* menu, const char* name, const QString& caption, const QIcon& icon = {}) {
    QAction* action = menu->addAction(icon, caption);
    action->setObjectName(name);
    return action;
}

} // namespace

void TMainWindow::CreateMenu() {
    CreateFileMenu();
    CreateSettingsMenu();
    m_About = menuBar()->addAction("Névjegy");
    m_About->setObjectName("m_About");
    connect(m_About, &QAction::triggered, this, Reporting([this] { m_AboutClick(); }));
}

void TMainWindow::CreateFileMenu() {
    m_File = menuBar()->addMenu("&Fájl");
    m_File->setObjectName("m_File");
    SaveRTF = NamedAction(m_File, "SaveRTF", "Mentés...", RoleIcon("document-save", "save"));
    CopyRTF = NamedAction(m_File, "CopyRTF", "Másolás", RoleIcon("edit-copy", "copy"));
    m_File->addSeparator();
    m_PageSetup = NamedAction(m_File, "m_PageSetup", "Oldalbeállítás...", RoleIcon("document-page-setup", "pagesetup"));
    m_PrinterSetup = NamedAction(m_File, "m_PrinterSetup", "Nyomtató beállítása...",
                                 RoleIcon("document-properties", "printersetup"));
    m_Print = NamedAction(m_File, "m_Print", "Nyomtatás...", RoleIcon("document-print", "print"));
    m_File->addSeparator();
    m_Exit = NamedAction(m_File, "m_Exit", "&Bezárás", RoleIcon("application-exit", "exit"));
    connect(SaveRTF, &QAction::triggered, this, Reporting([this] { SaveRTFClick(); }));
    connect(CopyRTF, &QAction::triggered, this, Reporting([this] { CopyRTFClick(); }));
    connect(m_PageSetup, &QAction::triggered, this, Reporting([this] { m_PageSetupClick(); }));
    connect(m_PrinterSetup, &QAction::triggered, this, Reporting([this] { m_PrinterSetupClick(); }));
    connect(m_Print, &QAction::triggered, this, Reporting([this] { m_PrintClick(); }));
    connect(m_Exit, &QAction::triggered, this, &QWidget::close);
    connect(m_File, &QMenu::aboutToShow, this, Reporting([this] { UpdateWindowList(); }));
}

void TMainWindow::CreateSettingsMenu() {
    m_Setting = menuBar()->addMenu("&Beállítások");
    m_Setting->setObjectName("m_Setting");
    m_Fonts = m_Setting->addMenu(RoleIcon("preferences-desktop-font", "fonts"), "&Betűk");
    m_Fonts->setObjectName("m_Fonts");
    for (const TFontItem& item : FontItems) {
        QAction* action = this->*item.Member = NamedAction(m_Fonts, item.Name, item.Caption);
        connect(action, &QAction::triggered, this,
                Reporting([this, slot = item.Slot, action] { FontClick(slot, action->iconText()); }));
    }
    m_Size = m_Setting->addMenu(RoleIcon("zoom-in", "size"), "Betű&méret");
    m_Size->setObjectName("m_Size");
    m_sizeGroup = new QActionGroup(this);
    m_sizeGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional); // a stored 3 marks none
    QAction** sizeActions[] = {&m_Size1, &m_Size2, &m_Size3, &m_Size4, &m_Size5};
    for (int index = 0; index < 5; ++index) {
        QAction* action = NamedAction(m_Size, qPrintable(QString("m_Size%1").arg(index + 1)), SizeCaptions[index]);
        action->setCheckable(true);
        m_sizeGroup->addAction(action);
        connect(action, &QAction::triggered, this, Reporting([this, step = SmallestStep + index] { SizeClick(step); }));
        *sizeActions[index] = action;
    }
    m_Size3->setChecked(true);
    m_Setting->addSeparator();
    m_Background = NamedAction(m_Setting, "m_Background", "Háttérszín...", RoleIcon("color-fill", "background"));
    connect(m_Background, &QAction::triggered, this, Reporting([this] { m_BackgroundClick(); }));
    DefaultBackground = NamedAction(m_Setting, "DefaultBackground", "Alapértelmezett háttérszín",
                                    RoleIcon(nullptr, "defaultbackground"));
    connect(DefaultBackground, &QAction::triggered, this, Reporting([this] { DefaultBackgroundClick(); }));
}

QAction* TMainWindow::SizeAction(int step) const {
    return m_sizeGroup->actions().at(step - SmallestStep);
}

// The open windows by caption, at the end of "Fájl", as they are when it opens.
void TMainWindow::UpdateWindowList() {
    for (QAction* action : m_windowListActions) {
        m_File->removeAction(action);
        action->deleteLater();
    }
    m_windowListActions.clear();
    const QList<QMdiSubWindow*> windows = m_workspace->subWindowList();
    if (windows.isEmpty())
        return;
    m_windowListActions << m_File->addSeparator();
    for (int index = 0; index < windows.size(); ++index) {
        QMdiSubWindow* window = windows[index];
        QAction* action = m_File->addAction(QString("&%1 %2").arg(index + 1).arg(window->windowTitle()));
        action->setCheckable(true);
        action->setChecked(window == m_workspace->activeSubWindow());
        connect(action, &QAction::triggered, this, [this, window] { m_workspace->setActiveSubWindow(window); });
        m_windowListActions << action;
    }
}

// The dialog works on a copy; after a cancel the copy is what is kept, and written.
void TMainWindow::FontClick(TStyleSlot slot, const QString& styleName) {
    const TFont copy = StyleFonts.at(static_cast<std::size_t>(slot));
    TFontColorDialog dialog(this, styleName, ScreenPixelsPerInch);
    dialog.SetFont(copy);
    const TFont chosen = dialog.exec() == QDialog::Accepted ? dialog.Font() : copy;
    m_preferences->FontCommand(slot, chosen);
}

// The step zooms every song window on screen at once, open ones included.
void TMainWindow::SizeClick(int step) {
    m_preferences->SizeCommand(step);
    for (QMdiSubWindow* window : m_workspace->subWindowList()) {
        if (auto* songWindow = qobject_cast<TSongWindow*>(window))
            songWindow->ShowSizeStep(SizeStep);
    }
}

void TMainWindow::m_BackgroundClick() {
    QColorDialog dialog(ToQColor(m_preferences->BackgroundColor), this);
    dialog.setObjectName("ColorDialog");
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    const bool chosen = dialog.exec() == QDialog::Accepted;
    m_preferences->BackgroundCommand(chosen ? FromQColor(dialog.selectedColor()) : m_preferences->BackgroundColor);
}

void TMainWindow::DefaultBackgroundClick() {
    m_preferences->BackgroundCommand(WindowColor);
}

void TMainWindow::m_AboutClick() {
    TAboutBox box(this);
    box.exec();
}
