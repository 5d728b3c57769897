#include "shell/application.h"

#include <QLibraryInfo>
#include <QScreen>

TMainWindow* MainWindow = nullptr;
TListWindow* ListWindow = nullptr;
TPageSetupDialog* PageSetupDialog = nullptr;
TSongWindow* ActiveSongWindow = nullptr;
int ScreenPixelsPerInch = 96;

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    // No display name: Qt would append it to the frame's title once more
    // whenever a maximised song window puts its caption there.
    setApplicationName(ApplicationTitle);
    setDesktopFileName("vivira"); // the desktop finds the entry, and its icon, by this name
    if (const QScreen* screen = primaryScreen())
        ScreenPixelsPerInch = qRound(screen->logicalDotsPerInchY());
    if (m_qtTexts.load("qtbase_hu", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(&m_qtTexts);
}
