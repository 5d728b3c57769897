#pragma once

#include "chords/notation.h"
#include "render/styleslots.h"

#include <QList>
#include <QString>
#include <array>

class QAction;
class QActionGroup;
class QMainWindow;
class QMdiArea;
class QMenu;

// The main window's menu bar, complete. Every entry carries the name the
// program knows it by (SaveRTF, m_Print, m_Size3, ...) as its object name.
class TMainMenu {
public:
    explicit TMainMenu(QMainWindow& window);

    struct TFontItem {
        QAction* Action;
        TStyleSlot Slot;
        QString StyleName; // as the font dialog's title names it: "Dalszöveg"
    };

    QMenu* m_File;
    QAction* SaveRTF;
    QAction* CopyRTF;
    QAction* m_PageSetup;
    QAction* m_PrinterSetup;
    QAction* m_Print;
    QAction* m_PrintPreview; // what printing would print
    QAction* OpenLibrary;    // another song folder, remembered
    QAction* m_Exit;
    QAction* ShowSetList; // the "Műsor" window
    std::array<TFontItem, StyleSlot::Count> FontItems;
    QAction* m_Background;
    QAction* DefaultBackground;
    QAction* NotationHungarian; // "Hangjegyírás": for songs whose chords do not show theirs
    QAction* NotationEnglish;
    QAction* m_About;

    // The size item of a step, -2..2.
    QAction* SizeItem(int step) const;
    // Marks the step's item alone; a step beyond the menu marks none.
    void MarkSizeStep(int step) const;
    void MarkNotation(TNotation notation) const;
    // The open windows by caption at the end of "Fájl", as they are now.
    void ListWindows(QMdiArea& workspace);

private:
    void CreateFileMenu(QMainWindow& window);
    void CreateSettingsMenu(QMainWindow& window);

    QActionGroup* m_sizeGroup;
    QList<QAction*> m_windowListActions;
};
