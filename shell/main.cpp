// Starts the program: the main window loads the settings and the library,
// then the list window fills its tree; the event loop runs until the main
// window closes.
#include "print/qtcolor.h"
#include "shell/application.h"
#include "shell/mainwindow.h"
#include "shell/startup.h"

#include <memory>

int main(int argc, char** argv) {
    TApplication application(argc, argv);
    UsePaletteForSystemColors();
    const std::unique_ptr<TMainWindow> mainWindow(StartProgram());
    return application.exec();
}
