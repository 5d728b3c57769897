#pragma once

#include "render/styleslots.h"

#include <QApplication>
#include <QTranslator>
#include <string>

class TListWindow;
class TMainWindow;
class TPageSetupDialog;
class TSongWindow;

inline constexpr const char* ApplicationTitle = "Vivira redir";

// The program's long-lived windows, set as soon as each exists.
extern TMainWindow* MainWindow;
extern TListWindow* ListWindow;
extern TPageSetupDialog* PageSetupDialog;
// The song window that has the program's focus, or none.
extern TSongWindow* ActiveSongWindow;
// The screen's pixels per inch, read once at start (96 without a screen).
extern int ScreenPixelsPerInch;

// What documents are rendered with now: the user's fonts, as loaded for this screen.
inline TRenderStyle CurrentRenderStyle() {
    return {StyleFonts, ScreenPixelsPerInch};
}

// The application, titled "Vivira redir", which reads the screen's resolution
// once and speaks Hungarian in Qt's own dialogs too.
class TApplication : public QApplication {
public:
    TApplication(int& argc, char** argv);

private:
    QTranslator m_qtTexts;
};
