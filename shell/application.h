#pragma once

#include <QApplication>

class TListWindow;
class TMainWindow;
class TSongWindow;

inline constexpr const char* ApplicationTitle = "Vivira redir";

// The program's long-lived windows, set as soon as each exists.
extern TMainWindow* MainWindow;
extern TListWindow* ListWindow;
// The song window that has the program's focus, or none.
extern TSongWindow* ActiveSongWindow;
// The screen's pixels per inch, read once at start (96 without a screen).
extern int ScreenPixelsPerInch;

// The application, titled "Vivira redir", which reads the screen's resolution once.
class TApplication : public QApplication {
public:
    TApplication(int& argc, char** argv);
};
