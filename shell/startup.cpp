#include "shell/startup.h"

#include "shell/application.h"
#include "shell/mainwindow.h"
#include "shell/pagesetupdialog.h"

TMainWindow* StartProgram(const std::string& dataDirectory) {
    auto* main = new TMainWindow(dataDirectory);
    ListWindow = main->CreateListWindow();
    PageSetupDialog = new TPageSetupDialog(main);
    return main;
}
