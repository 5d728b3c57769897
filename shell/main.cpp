// Starts the program: the main window loads the settings and the library,
// then the list window fills its tree; the event loop runs until the main
// window closes.
#include "shell/application.h"
#include "shell/listwindow.h"
#include "shell/mainwindow.h"
#include "shell/modeltext.h"

int main(int argc, char** argv) {
    TApplication application(argc, argv);
    UsePaletteForSystemColors();
    TMainWindow mainWindow;
    ListWindow = new TListWindow(&mainWindow);
    return application.exec();
}
