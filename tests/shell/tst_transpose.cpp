#include "print/qtcolor.h"
#include "shell/application.h"
#include "shell/listwindow.h"
#include "shell/mainwindow.h"
#include "shell/songwindow.h"
#include "tests/shell/programfixture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>

namespace {

const TLibraryFiles Library = {
    {"a.txt",
     {".artist Zenekar", ".title Hungarian", ".defverse", "H       E", "Hej, Bodri", ".details", "Capo 2", "Am x02210",
      ".title Plain", ".defverse", "A       D", "szöveg"}},
};

QString Line(const TSongWindow* window, int number) {
    return window->RichEdit->document()->findBlockByNumber(number).text();
}

QAction* WindowAction(const TSongWindow* window, const QString& name) {
    return window->findChild<QAction*>(name);
}

// The entries of the text's context menu, read while it is open.
QStringList ContextMenuEntries(TSongWindow* window) {
    QStringList entries;
    QTimer::singleShot(0, window, [&entries] {
        QMenu* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        for (const QAction* action : menu ? menu->actions() : QList<QAction*>()) {
            entries << action->text();
            for (const QAction* item : action->menu() ? action->menu()->actions() : QList<QAction*>())
                entries << "  " + item->text();
        }
        if (menu)
            menu->close();
    });
    emit window->RichEdit->customContextMenuRequested(QPoint(5, 5));
    return entries;
}

} // namespace

class TestTranspose : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { VerifyNothingLeft(); }

    // Ctrl+Up and Ctrl+Down move the chords a semitone each, in the song's
    // own notation; fingerings stay; the caption tells; "Eredeti hangnem" goes back.
    void keysMoveTheChordsAndTheCaptionSaysSo() {
        TProgram program(Library);
        program.Start();
        TSongWindow* window = program.OpenSong("Zenekar", "Hungarian");
        QCOMPARE(Line(window, 4), QString("H       E"));
        window->RichEdit->setFocus();
        QTest::keyClick(window->RichEdit, Qt::Key_Up, Qt::ControlModifier);
        QCOMPARE(Line(window, 4), QString("C       F"));
        QCOMPARE(window->windowTitle(), QString("Zenekar - Hungarian (+1)"));
        QTest::keyClick(window->RichEdit, Qt::Key_Down, Qt::ControlModifier);
        QTest::keyClick(window->RichEdit, Qt::Key_Down, Qt::ControlModifier);
        QCOMPARE(Line(window, 4), QString("B       Eb")); // B flat, as Hungarian writes it
        QCOMPARE(window->windowTitle(), QString("Zenekar - Hungarian (-1)"));
        QCOMPARE(Line(window, 8), QString("Am x02210"));
        Click(WindowAction(window, "TransposeReset"));
        QCOMPARE(Line(window, 4), QString("H       E"));
        QCOMPARE(window->windowTitle(), QString("Zenekar - Hungarian"));
    }

    // The capo shows the shapes to play under a "Capo N" line.
    void theCapoShowsTheShapesToPlay() {
        TProgram program(Library);
        program.Start();
        TSongWindow* window = program.OpenSong("Zenekar", "Plain");
        Click(WindowAction(window, "Capo2"));
        QCOMPARE(window->windowTitle(), QString("Zenekar - Plain (capo 2)"));
        QCOMPARE(Line(window, 4), QString("Capo 2"));
        QCOMPARE(Line(window, 6), QString("G       C"));
        QVERIFY(WindowAction(window, "Capo2")->isChecked());
        Click(WindowAction(window, "TransposeUp"));
        QCOMPARE(window->windowTitle(), QString("Zenekar - Plain (+1, capo 2)"));
        QCOMPARE(Line(window, 6), QString("Ab      Db"));
        Click(WindowAction(window, "Capo0"));
        QCOMPARE(Line(window, 4), QString("B       Eb")); // no notation in the song: the user's, Hungarian
    }

    void theContextMenuOffersTheShift() {
        TProgram program(Library);
        program.Start();
        TSongWindow* window = program.OpenSong("Zenekar", "Plain");
        const QStringList entries = ContextMenuEntries(window);
        QVERIFY2(entries.contains("Transzponálás"), qPrintable(entries.join('|')));
        const qsizetype at = entries.indexOf("Transzponálás");
        QCOMPARE(entries.mid(at + 1, 4), (QStringList{"  Fel", "  Le", "  Eredeti hangnem", "  Capo"}));
        QVERIFY(entries.indexOf("Transzponálás") > 0); // after the text's own entries
    }

    // What is saved, copied and printed from the window is what it shows.
    void theDocumentCommandsTakeTheShiftedSong() {
        TProgram program(Library);
        program.Start();
        TSongWindow* window = program.OpenSong("Zenekar", "Plain");
        Click(WindowAction(window, "TransposeUp"));
        Click(WindowAction(window, "TransposeUp"));
        Click(program.Action("CopyRTF"));
        const QMimeData* copied = QApplication::clipboard()->mimeData();
        QVERIFY(copied->text().contains("H       E"));
        QVERIFY(!copied->text().contains("A       D"));
        QVERIFY(copied->data("text/rtf").contains("H       E"));
    }

    // A song opens again as the user left it, in this run and the next; the
    // notation chosen is kept too.
    void theShiftAndTheNotationAreRemembered() {
        TProgram program(Library);
        program.Start();
        Click(program.Action("NotationEnglish"));
        TSongWindow* window = program.OpenSong("Zenekar", "Plain");
        Click(WindowAction(window, "TransposeUp"));
        QCOMPARE(Line(window, 4), QString("Bb      Eb")); // the user's notation, English
        Click(WindowAction(window, "Capo3"));
        window->close();
        window = program.OpenSong("Zenekar", "Plain");
        QCOMPARE(window->windowTitle(), QString("Zenekar - Plain (+1, capo 3)"));
        QVERIFY(WindowAction(window, "Capo3")->isChecked());
        const std::string stored = program.SettingsFileText();
        QVERIFY(stored.find("\"Notation\"=\"1\"") != std::string::npos);
        QVERIFY(stored.find("=\"1 3 a.txt|Plain\"") != std::string::npos);
        // Another song of the file has its own shift: none.
        QCOMPARE(program.OpenSong("Zenekar", "Hungarian")->windowTitle(), QString("Zenekar - Hungarian"));
        Click(program.Action("NotationHungarian"));
        QVERIFY(program.SettingsFileText().find("\"Notation\"=\"0\"") != std::string::npos);
    }
};

VIVIRA_TEST_MAIN(TestTranspose)
#include "tst_transpose.moc"
