#pragma once

#include "tests/support/tempdirectory.h"

#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QTimer;
class QWidget;
class TMainWindow;
class TListWindow;
class TSongWindow;

// Song files by name, each as UTF-8 lines (written in code page 852).
using TLibraryFiles = std::map<std::string, std::vector<std::string>>;

// The program as it starts, on a library and a settings file of the test's
// own; everything is taken down again at the end.
class TProgram {
public:
    explicit TProgram(const TLibraryFiles& files, const std::string& settingsText = {});
    ~TProgram();
    TProgram(const TProgram&) = delete;
    TProgram& operator=(const TProgram&) = delete;

    // Starts the windows; before that, the test may change files and settings.
    // With a workspace size, the main window takes it before the list window is made.
    void Start(std::optional<QSize> workspace = std::nullopt);
    std::string SettingsFileText() const;
    std::string DataFolder() const { return m_folder / "Data"; }
    std::string SettingsFile() const { return m_folder / "settings.reg"; }

    // Opens the song of the tree by artist and title, as a user would: select, Enter.
    TSongWindow* OpenSong(const QString& artist, const QString& title);

    // A menu entry, or a menu, of the main window, by the name the program knows it by.
    QAction* Action(const char* name) const;
    QMenu* Menu(const char* name) const;

    TMainWindow* Main = nullptr;
    TListWindow* List = nullptr;
    // False: started as from the desktop menu, naming no folder.
    bool GivesFolder = true;

private:
    TTempDirectory m_folder;
};

// Notes the top-level widgets there are before the first test (the tests' main does).
void NoteTopLevelWidgets();
// For each test class's cleanup(): the step's program is gone whole, no
// top-level widget is left beyond those noted at start (hidden ones too),
// and the globals it set are reset, the fonts and the size step included.
void VerifyNothingLeft();

// Triggers the action from the event loop, as a menu click does, so that an
// error reaches the program's error report.
void Click(QAction* action);

// While it lives, answers the first modal dialog (or message box) that
// comes up, from the event loop; it never outlives the test step it serves.
class TAnswerModal {
public:
    explicit TAnswerModal(std::function<void(QWidget*)> answer);
    ~TAnswerModal();
    TAnswerModal(const TAnswerModal&) = delete;
    TAnswerModal& operator=(const TAnswerModal&) = delete;

private:
    std::unique_ptr<QTimer> m_poller;
};
// Runs the action and answers each modal dialog it opens in turn; returns their texts (message boxes).
QStringList TriggerAnsweringErrors(const std::function<void()>& trigger);

// The tests' main: the program's own application object, which reports errors.
#define VIVIRA_TEST_MAIN(TestClass)                                                                                    \
    int main(int argc, char** argv) {                                                                                  \
        TApplication application(argc, argv);                                                                          \
        UsePaletteForSystemColors();                                                                                   \
        NoteTopLevelWidgets();                                                                                         \
        TestClass test;                                                                                                \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
