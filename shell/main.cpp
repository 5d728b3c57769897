// Starts the program: the main window loads the settings and the library,
// then the list window fills its tree; the event loop runs until the main
// window closes. --help and --version need no display.
#include "print/qtcolor.h"
#include "shell/application.h"
#include "shell/mainwindow.h"
#include "shell/startup.h"
#include "shell/viewerarguments.h"

#include <iostream>
#include <memory>

int main(int argc, char** argv) {
    const TViewerArguments arguments = ParseViewerArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (const std::optional<int> exitCode = AnswerWithoutWindows(arguments, std::cout, std::cerr))
        return *exitCode;
    TApplication application(argc, argv);
    UsePaletteForSystemColors();
    const std::unique_ptr<TMainWindow> mainWindow(StartProgram(arguments.DataDirectory.value_or("")));
    return application.exec();
}
