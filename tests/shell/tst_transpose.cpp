#include "print/qtcolor.h"
#include "render/rtfwriter.h"
#include "shell/application.h"
#include "shell/listwindow.h"
#include "shell/mainwindow.h"
#include "shell/songwindow.h"
#include "tests/shell/programfixture.h"
#include "tests/support/externaltool.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPrinter>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>

namespace {

std::vector<std::string> LongSong() {
    std::vector<std::string> lines = {".title Hosszú", ".defverse"};
    for (int pair = 1; pair <= 60; ++pair) {
        lines.push_back("A       D");
        lines.push_back("sor " + std::to_string(pair));
    }
    return lines;
}

TLibraryFiles Library() {
    std::vector<std::string> lines = {
        ".artist Zenekar", ".title Hungarian", ".defverse",    "H       E", "Hej, Bodri", ".details",
        "Capo 2",          "Am x02210",        ".title Plain", ".defverse", "A       D",  "szöveg",
        ".title Keres",    ".defverse",        "A       D",    "első sor",  "A       D",  "második sor"};
    const std::vector<std::string> more = LongSong();
    lines.insert(lines.end(), more.begin(), more.end());
    return {{"a.txt", lines}};
}

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

QStringList MarkedTexts(const TSongWindow* window) {
    QStringList marked;
    for (const QTextEdit::ExtraSelection& mark : window->RichEdit->extraSelections())
        marked << mark.cursor.selectedText();
    return marked;
}

// The line at the top of the view, counted from the end of the text.
int TopLineFromEnd(const TSongWindow* window) {
    const QTextEdit* view = window->RichEdit;
    return view->document()->blockCount() - 1 - view->cursorForPosition(QPoint(0, 0)).block().blockNumber();
}

// Answers "Mentés..."'s dialog with the name in the folder; returns the name it offered.
QString SaveAs(TProgram& program, const QString& folder, const QString& name) {
    QString offered;
    const TAnswerModal answer([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QVERIFY(dialog);
        offered = dialog->findChild<QLineEdit*>("fileNameEdit")->text();
        dialog->setDirectory(folder);
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(name);
        QMetaObject::invokeMethod(dialog, "accept", Qt::DirectConnection);
    });
    Click(program.Action("SaveRTF"));
    return offered;
}

} // namespace

class TestTranspose : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { VerifyNothingLeft(); }

    // Ctrl+Up and Ctrl+Down move the chords a semitone each, in the song's
    // own notation; fingerings stay; the caption tells; "Eredeti hangnem" goes back.
    void keysMoveTheChordsAndTheCaptionSaysSo() {
        TProgram program(Library());
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
        TProgram program(Library());
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
        TProgram program(Library());
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
        TProgram program(Library());
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

    // "Mentés..." offers the caption as the name and writes the shifted song;
    // "Nyomtatás..." prints it under the caption's name.
    void savingAndPrintingTakeTheShiftedSong() {
        TProgram program(Library());
        program.Start();
        TTempDirectory out;
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(QString::fromStdString(out / "dal.pdf"));
        program.Main->ChoosePrinter(std::move(printer));
        TSongWindow* window = program.OpenSong("Zenekar", "Plain");
        Click(WindowAction(window, "TransposeUp"));
        Click(WindowAction(window, "TransposeUp"));

        QCOMPARE(SaveAs(program, QString::fromStdString(out.Path()), "dal"), QString("Zenekar - Plain (+2)"));
        const std::string saved = ReadBytes(out / "dal.rtf");
        QCOMPARE(saved, RichText(window->Document()));
        // pandoc, which no one here wrote, reads it back (with runs of spaces as one).
        QCOMPARE(RunTool("pandoc -f rtf -t plain " + ShellQuoted(out / "dal.rtf")),
                 std::string("Zenekar\n\nPlain\n\nH E\n\nszöveg\n"));

        Click(program.Action("m_Print"));
        QCOMPARE(program.Main->CurrentPrinter().docName(), QString("Zenekar - Plain (+2)"));
        const QString printed =
            QString::fromStdString(RunTool("pdftotext -layout " + ShellQuoted(out / "dal.pdf") + " -")).simplified();
        QCOMPARE(printed, QString("Zenekar Plain H E szöveg"));
    }

    // The find bar's marks and F3 follow the text when a shift makes it anew:
    // "B       Eb" is a letter longer than "A       D", and the capo adds lines above.
    void anOpenFindFindsAgainAfterAShift() {
        TProgram program(Library());
        program.Start();
        TSongWindow* window = program.OpenSong("Zenekar", "Keres");
        window->ShowFind();
        auto* field = window->findChild<QLineEdit*>("FindField");
        QTest::keyClicks(field, "sor");
        QCOMPARE(MarkedTexts(window), (QStringList{"sor", "sor"}));
        Click(WindowAction(window, "TransposeUp"));
        QCOMPARE(Line(window, 4), QString("B       Eb"));
        QCOMPARE(MarkedTexts(window), (QStringList{"sor", "sor"}));
        QTest::keyClick(field, Qt::Key_F3);
        QCOMPARE(window->RichEdit->textCursor().selectedText(), QString("sor"));
        QCOMPARE(window->RichEdit->textCursor().block().text(), QString("második sor"));

        QTest::keyClick(field, Qt::Key_Escape);
        Click(WindowAction(window, "Capo3"));
        QVERIFY(window->RichEdit->extraSelections().isEmpty()); // a closed bar marks nothing
        QTest::keyClick(window->RichEdit, Qt::Key_F3);
        QCOMPARE(window->RichEdit->textCursor().selectedText(), QString("sor"));
        QCOMPARE(window->RichEdit->textCursor().block().text(), QString("első sor"));
    }

    // A shift keeps the view and the caret on the lines they were at.
    void aShiftKeepsTheViewWhereItWas() {
        TProgram program(Library());
        program.Start();
        TSongWindow* window = program.OpenSong("Zenekar", "Hosszú");
        QScrollBar* bar = window->RichEdit->verticalScrollBar();
        QTRY_VERIFY(bar->maximum() > 0);
        bar->setValue(bar->maximum() / 2);
        const int scrolled = bar->value();
        const int top = TopLineFromEnd(window);
        QTextBlock line = window->RichEdit->document()->findBlockByNumber(61); // "sor 29"
        QTextCursor caret(line);
        caret.setPosition(line.position() + 2);
        window->RichEdit->setTextCursor(caret);
        const QString caretLine = line.text();

        Click(WindowAction(window, "TransposeUp"));
        QCOMPARE(bar->value(), scrolled);
        QCOMPARE(window->RichEdit->textCursor().block().text(), caretLine);
        QCOMPARE(window->RichEdit->textCursor().positionInBlock(), 2);
        Click(WindowAction(window, "Capo2")); // two lines more above: the same lines stay in view
        QCOMPARE(TopLineFromEnd(window), top);
        QVERIFY(bar->value() > scrolled);
        QCOMPARE(window->RichEdit->textCursor().block().text(), caretLine);
    }

    // A song opens again as the user left it, in this run and the next; the
    // notation chosen is kept too.
    void theShiftAndTheNotationAreRemembered() {
        TProgram program(Library());
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
