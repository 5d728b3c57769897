#include "print/qtcolor.h"
#include "qtbridge/qttext.h"
#include "render/styleslots.h"
#include "shell/aboutbox.h"
#include "shell/application.h"
#include "shell/listwindow.h"
#include "shell/mainwindow.h"
#include "shell/songwindow.h"
#include "tests/shell/programfixture.h"

#include <QMdiArea>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTreeWidget>

namespace {

const std::string LongLine(300, 'x');

const TLibraryFiles Library = {
    {"a.txt",
     {".artist Őszi Zenekar", ".title Űrhajós dal", ".authors Kovács Ünige", ".defverse", "Am       G", "Ég és föld",
      ".tab", LongLine}},
};

} // namespace

class TestSongWindow : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { VerifyNothingLeft(); }

    void showsTheRenderedSongReadOnlyWithTheCaretAtTheStart() {
        TProgram program(Library);
        program.Start();
        TSongWindow* window = program.OpenSong("Őszi Zenekar", "Űrhajós dal");
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QString("Őszi Zenekar - Űrhajós dal"));
        QCOMPARE(window->RichEdit->toPlainText(),
                 QString("\nŐszi Zenekar\nŰrhajós dal\nKovács Ünige\n\nAm       G\nÉg és föld\n\n") +
                     QString::fromStdString(LongLine) + "\n");
        QVERIFY(window->RichEdit->isReadOnly());
        QCOMPARE(window->RichEdit->lineWrapMode(), QTextEdit::NoWrap);
        QCOMPARE(window->RichEdit->textCursor().position(), 0);
        QVERIFY(!window->RichEdit->textCursor().hasSelection());
        QCOMPARE(window->RichEdit->viewport()->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(window->RichEdit->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QVERIFY(window->RichEdit->horizontalScrollBar()->maximum() > 0); // the long line runs on

        const QTextBlock title = window->RichEdit->document()->findBlockByNumber(2);
        QCOMPARE(title.blockFormat().alignment(), Qt::AlignHCenter);
        const QTextCharFormat titleFormat = title.begin().fragment().charFormat();
        QCOMPARE(titleFormat.fontFamilies().toStringList(), QStringList{"Times New Roman"});
        QCOMPARE(titleFormat.fontPointSize(), 24.0);
        QCOMPARE(titleFormat.fontWeight(), int(QFont::Bold));
        const QTextCharFormat chords =
            window->RichEdit->document()->findBlockByNumber(5).begin().fragment().charFormat();
        QVERIFY(chords.fontItalic());
        QCOMPARE(window->RichEdit->document()->findBlockByNumber(5).blockFormat().alignment(), Qt::AlignLeft);
    }

    void tracksTheActiveSongWindowThroughFocusChanges() {
        TProgram program(Library);
        program.Start();
        QCOMPARE(ActiveSongWindow, nullptr);
        TSongWindow* first = program.OpenSong("Őszi Zenekar", "Űrhajós dal");
        QCOMPARE(ActiveSongWindow, first);
        TSongWindow* second = program.OpenSong("Őszi Zenekar", "Űrhajós dal");
        QVERIFY(second != first);
        QCOMPARE(ActiveSongWindow, second);
        QCOMPARE(second->windowTitle(), first->windowTitle());
        program.Main->Workspace()->setActiveSubWindow(first);
        QCOMPARE(ActiveSongWindow, first);
        program.Main->Workspace()->setActiveSubWindow(program.List);
        QCOMPARE(ActiveSongWindow, nullptr);

        program.Main->Workspace()->setActiveSubWindow(second);
        QCOMPARE(ActiveSongWindow, second);
        const TAnswerModal answer1([](QWidget* modal) {
            QVERIFY(qobject_cast<TAboutBox*>(modal));
            QTRY_VERIFY(modal->hasFocus() || modal->focusWidget());
            QCOMPARE(ActiveSongWindow, nullptr); // a dialog of the program's own
            modal->close();
        });
        Click(program.Action("m_About"));

        // Escape closes at once; the focus passes on and never leaves a closed window active.
        program.Main->Workspace()->setActiveSubWindow(second);
        QTest::keyClick(second->RichEdit, Qt::Key_Escape);
        QTRY_COMPARE(program.Main->Workspace()->subWindowList().size(), 2);
        QVERIFY(program.Main->Workspace()->activeSubWindow());
        QCOMPARE(ActiveSongWindow, qobject_cast<TSongWindow*>(program.Main->Workspace()->activeSubWindow()));
        program.Main->Workspace()->setActiveSubWindow(first);
        QCOMPARE(ActiveSongWindow, first);
        QTest::keyClick(first->RichEdit, Qt::Key_Escape);
        QTRY_COMPARE(program.Main->Workspace()->subWindowList().size(), 1);
        QCOMPARE(program.Main->Workspace()->activeSubWindow(), program.List);
        QCOMPARE(ActiveSongWindow, nullptr);
    }

    void theSizeStepZoomsWithoutMovingTheSelection() {
        TProgram program(Library);
        program.Start();
        TSongWindow* window = program.OpenSong("Őszi Zenekar", "Űrhajós dal");
        QTextCursor selection(window->RichEdit->document());
        selection.setPosition(3);
        selection.setPosition(9, QTextCursor::KeepAnchor);
        window->RichEdit->setTextCursor(selection);
        Click(program.Action("m_Size5"));
        const QTextBlock title = window->RichEdit->document()->findBlockByNumber(2);
        QCOMPARE(qRound(title.begin().fragment().charFormat().fontPointSize() * 100), qRound(24 * 1.44 * 100));
        QCOMPARE(window->RichEdit->textCursor().anchor(), 3);
        QCOMPARE(window->RichEdit->textCursor().position(), 9);
    }
};

VIVIRA_TEST_MAIN(TestSongWindow)
#include "tst_songwindow.moc"
