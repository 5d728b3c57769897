#include "shell/application.h"

#include "shell/listwindow.h"
#include "shell/mainwindow.h"
#include "shell/pagesetupdialog.h"

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
    if (const QScreen* screen = primaryScreen())
        ScreenPixelsPerInch = qRound(screen->logicalDotsPerInchY());
    if (m_qtTexts.load("qtbase_hu", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(&m_qtTexts);
}

TMainWindow* StartProgram(const std::string& dataDirectory) {
    auto* main = new TMainWindow(dataDirectory);
    ListWindow = new TListWindow(main);
    PageSetupDialog = new TPageSetupDialog(main);
    return main;
}
