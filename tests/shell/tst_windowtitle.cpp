// On a real X server, where the window system shows the frame's title: run
// under Xvfb with the xcb platform (see tests/CMakeLists.txt).
#include "print/qtcolor.h"
#include "shell/application.h"
#include "shell/mainwindow.h"
#include "shell/songwindow.h"
#include "tests/shell/programfixture.h"
#include "tests/support/externaltool.h"

#include <QTest>

class TestWindowTitle : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { VerifyNothingLeft(); }

    // A maximised song window puts its caption into the frame's title; the
    // program's name must not be added to it once more.
    void theProgramsNameShowsOnceWithAMaximisedSongWindow() {
        if (QGuiApplication::platformName() != "xcb")
            QSKIP("needs an X server");
        TProgram program({{"a.txt", {".artist Bordalok", ".title Egy pohár bor", ".verse", "sor"}}});
        program.Start();
        TSongWindow* window = program.OpenSong("Bordalok", "Egy pohár bor");
        QVERIFY(window);
        window->showMaximized();
        QApplication::processEvents();
        const std::string id = std::to_string(program.Main->windowHandle()->winId());
        QTRY_COMPARE(QString::fromStdString(RunTool("xprop -notype -id " + id + " _NET_WM_NAME")).trimmed(),
                     QString("_NET_WM_NAME = \"Vivira redir – [Bordalok - Egy pohár bor]\""));
    }
};

VIVIRA_TEST_MAIN(TestWindowTitle)
#include "tst_windowtitle.moc"
