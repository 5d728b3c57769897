#include "shell/application.h"

#include <QScreen>

TMainWindow* MainWindow = nullptr;
TListWindow* ListWindow = nullptr;
TSongWindow* ActiveSongWindow = nullptr;
int ScreenPixelsPerInch = 96;

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(ApplicationTitle);
    setApplicationDisplayName(ApplicationTitle);
    if (const QScreen* screen = primaryScreen())
        ScreenPixelsPerInch = qRound(screen->logicalDotsPerInchY());
}
