#include "shell/mainmenu.h"

#include "shell/icons.h"

#include <QActionGroup>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>

namespace {

struct TFontEntry {
    const char* Name;
    const char* Caption;
    TStyleSlot Slot;
};

constexpr TFontEntry FontEntries[] = {
    {"m_Normal", "&Normál szöveg...", StyleSlot::Normal},
    {"m_Verse", "&Dalszöveg...", StyleSlot::Verse},
    {"m_Chords", "&Kíséret...", StyleSlot::Chords},
    {"m_Tab", "&Tabulatúra...", StyleSlot::Tab},
    {"m_Title", "&Cím...", StyleSlot::Title},
    {"m_Authors", "&Szerzők...", StyleSlot::Authors},
};

constexpr const char* SizeCaptions[] = {"Legkisebb", "Kisebb", "Közepes", "Nagyobb", "Legnagyobb"};

QAction* NamedAction(QMenu* menu, const char* name, const QString& caption, const QIcon& icon = {}) {
    QAction* action = menu->addAction(icon, caption);
    action->setObjectName(name);
    return action;
}

QMenu* NamedMenu(QMenu* menu, const char* name) {
    menu->setObjectName(name);
    return menu;
}

} // namespace

TMainMenu::TMainMenu(QMainWindow& window) {
    CreateFileMenu(window);
    CreateSettingsMenu(window);
    m_About = window.menuBar()->addAction("Névjegy");
    m_About->setObjectName("m_About");
}

void TMainMenu::CreateFileMenu(QMainWindow& window) {
    m_File = NamedMenu(window.menuBar()->addMenu("&Fájl"), "m_File");
    SaveRTF = NamedAction(m_File, "SaveRTF", "Mentés...", RoleIcon("document-save", "save"));
    CopyRTF = NamedAction(m_File, "CopyRTF", "Másolás", RoleIcon("edit-copy", "copy"));
    m_File->addSeparator();
    m_PageSetup = NamedAction(m_File, "m_PageSetup", "Oldalbeállítás...", RoleIcon("document-page-setup", "pagesetup"));
    m_PrinterSetup = NamedAction(m_File, "m_PrinterSetup", "Nyomtató beállítása...",
                                 RoleIcon("document-properties", "printersetup"));
    m_Print = NamedAction(m_File, "m_Print", "Nyomtatás...", RoleIcon("document-print", "print"));
    m_PrintPreview =
        NamedAction(m_File, "m_PrintPreview", "Nyomtatási kép...", RoleIcon("document-print-preview", "print"));
    OpenLibrary =
        NamedAction(m_File, "OpenLibrary", "Dalkönyvtár megnyitása...", RoleIcon("folder-open", "folderopen"));
    m_File->addSeparator();
    m_Exit = NamedAction(m_File, "m_Exit", "&Bezárás", RoleIcon("application-exit", "exit"));
    m_File->addSeparator();
    ShowSetList = NamedAction(m_File, "ShowSetList", "&Műsor");
    ShowSetList->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
}

void TMainMenu::CreateSettingsMenu(QMainWindow& window) {
    QMenu* settings = NamedMenu(window.menuBar()->addMenu("&Beállítások"), "m_Setting");
    QMenu* fonts = NamedMenu(settings->addMenu(RoleIcon("preferences-desktop-font", "fonts"), "&Betűk"), "m_Fonts");
    for (std::size_t index = 0; index < FontItems.size(); ++index) {
        QAction* action = NamedAction(fonts, FontEntries[index].Name, FontEntries[index].Caption);
        FontItems[index] = {action, FontEntries[index].Slot, action->iconText()};
    }
    QMenu* size = NamedMenu(settings->addMenu(RoleIcon("zoom-in", "size"), "Betű&méret"), "m_Size");
    m_sizeGroup = new QActionGroup(&window);
    m_sizeGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional); // a stored 3 marks none
    for (int step = SmallestSizeStep; step <= LargestSizeStep; ++step) {
        const int index = step - SmallestSizeStep;
        QAction* action = NamedAction(size, qPrintable(QString("m_Size%1").arg(index + 1)), SizeCaptions[index]);
        action->setCheckable(true);
        m_sizeGroup->addAction(action);
    }
    MarkSizeStep(0);
    settings->addSeparator();
    m_Background = NamedAction(settings, "m_Background", "Háttérszín...", RoleIcon("color-fill", "background"));
    DefaultBackground = NamedAction(settings, "DefaultBackground", "Alapértelmezett háttérszín",
                                    RoleIcon(nullptr, "defaultbackground"));
    settings->addSeparator();
    QMenu* notation = NamedMenu(settings->addMenu("&Hangjegyírás"), "Notation");
    auto* notationGroup = new QActionGroup(&window);
    NotationHungarian = NamedAction(notation, "NotationHungarian", "Magyar (H, B)");
    NotationEnglish = NamedAction(notation, "NotationEnglish", "Angol (B, Bb)");
    for (QAction* action : {NotationHungarian, NotationEnglish}) {
        action->setCheckable(true);
        notationGroup->addAction(action);
    }
    MarkNotation(TNotation::Hungarian);
}

void TMainMenu::MarkNotation(TNotation notation) const {
    (notation == TNotation::English ? NotationEnglish : NotationHungarian)->setChecked(true);
}

QAction* TMainMenu::SizeItem(int step) const {
    return m_sizeGroup->actions().at(step - SmallestSizeStep);
}

void TMainMenu::MarkSizeStep(int step) const {
    for (int item = SmallestSizeStep; item <= LargestSizeStep; ++item)
        SizeItem(item)->setChecked(item == step);
}

void TMainMenu::ListWindows(QMdiArea& workspace) {
    for (QAction* action : m_windowListActions) {
        m_File->removeAction(action);
        action->deleteLater();
    }
    m_windowListActions.clear();
    const QList<QMdiSubWindow*> windows = workspace.subWindowList();
    if (windows.isEmpty())
        return;
    m_windowListActions << m_File->addSeparator();
    for (int index = 0; index < windows.size(); ++index) {
        QMdiSubWindow* window = windows[index];
        QAction* action = m_File->addAction(QString("&%1 %2").arg(index + 1).arg(window->windowTitle()));
        action->setCheckable(true);
        action->setChecked(window == workspace.activeSubWindow());
        QObject::connect(action, &QAction::triggered, &workspace,
                         [&workspace, window] { workspace.setActiveSubWindow(window); });
        m_windowListActions << action;
    }
}
