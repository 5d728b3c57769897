#include "print/qtcolor.h"
#include "shell/application.h"
#include "shell/listwindow.h"
#include "shell/mainwindow.h"
#include "shell/songwindow.h"
#include "tests/shell/programfixture.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <QTextEdit>
#include <QTreeWidget>

namespace {

const TLibraryFiles Library = {
    {"1.txt",
     {".artist Zenekar", ".title Öreg szív", ".title Más", ".defverse", "Am", "\tElőször a szívem", ".title Harmadik",
      ".defverse", "Sziv G", "\tsemmi"}},
    {"2.txt", {".artist Csak", ".title Cukor", ".verse", "A szív dala"}},
    {"3.txt", {".artist Szívek", ".title Egy"}},
    {"4.txt", {".artist Más", ".title Valami", ".title Egyéb"}},
};

QTreeWidget* Results(const TProgram& program) {
    return program.List->findChild<QTreeWidget*>("SearchResults");
}

QString Status(const TProgram& program) {
    return program.List->findChild<QLabel*>("SearchStatus")->text();
}

// The tree as text: artists, and their open songs indented.
QStringList Outline(const QTreeWidget* tree) {
    QStringList lines;
    for (int artist = 0; artist < tree->topLevelItemCount(); ++artist) {
        const QTreeWidgetItem* node = tree->topLevelItem(artist);
        lines << node->text(0);
        for (int song = 0; node->isExpanded() && song < node->childCount(); ++song)
            lines << "  " + node->child(song)->text(0);
    }
    return lines;
}

// Key by key, accented letters too (which QTest's own typing refuses).
void TypeInto(QWidget* widget, const QString& text) {
    for (const QChar letter : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(letter));
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(letter));
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

// Typed as a user types; the results show once the search has answered.
void Type(const TProgram& program, const QString& text) {
    program.List->SearchField->setFocus();
    TypeInto(program.List->SearchField, text);
    QTRY_VERIFY(Results(program)->isVisible());
}

QTreeWidgetItem* Found(const TProgram& program, const QString& artist, const QString& title) {
    for (QTreeWidgetItem* node : Results(program)->findItems(title, Qt::MatchExactly | Qt::MatchRecursive)) {
        if (node->parent() && node->parent()->text(0) == artist)
            return node;
    }
    return nullptr;
}

} // namespace

class TestSearch : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { VerifyNothingLeft(); }

    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // Songs found by title (or artist) first, with their artists in the
    // tree's order; a lyric hit shows its line; a chord line finds nothing.
    void typingFiltersTheTreeAndEscapeRestoresItAsItWas() {
        TProgram program(Library);
        program.Start();
        QTreeWidget* tree = program.List->SongList;
        QTreeWidgetItem* other = tree->findItems("Más", Qt::MatchExactly)[0];
        other->setExpanded(true);
        tree->setCurrentItem(other->child(1));
        const QStringList before = Outline(tree);

        Type(program, "SZIV");
        QVERIFY(!tree->isVisible());
        QTRY_COMPARE(Outline(Results(program)),
                     (QStringList{"Szívek", "  Egy", "Zenekar", "  Öreg szív", "  Más", "Csak", "  Cukor"}));
        QCOMPARE(Status(program), QString("4 dal"));
        QCOMPARE(Found(program, "Zenekar", "Más")->toolTip(0), QString("Először a szívem"));
        QCOMPARE(Found(program, "Csak", "Cukor")->toolTip(0), QString("A szív dala"));
        QCOMPARE(Found(program, "Zenekar", "Öreg szív")->toolTip(0), QString());

        // Words in any order, each somewhere in the song; an accented letter finds only itself.
        program.List->SearchField->clear();
        Type(program, "dala  szív,");
        QTRY_COMPARE(Outline(Results(program)), (QStringList{"Csak", "  Cukor"}));
        program.List->SearchField->clear();
        Type(program, "őreg");
        QTRY_COMPARE(Status(program), QString("0 dal"));
        QCOMPARE(Results(program)->topLevelItemCount(), 0);

        QTest::keyClick(program.List->SearchField, Qt::Key_Escape);
        QVERIFY(program.List->SearchField->text().isEmpty());
        QVERIFY(tree->isVisible());
        QVERIFY(!program.List->findChild<QLabel*>("SearchStatus")->isVisible());
        QCOMPARE(Outline(tree), before);
        QCOMPARE(tree->currentItem(), other->child(1));
        QVERIFY(other->child(1)->isSelected());
        QVERIFY(tree->hasFocus());
    }

    // Clearing the field with the keyboard gives the tree back too.
    void clearingTheFieldRestoresTheTree() {
        TProgram program(Library);
        program.Start();
        Type(program, "egy");
        QTRY_COMPARE(Outline(Results(program)), (QStringList{"Más", "  Egyéb", "Szívek", "  Egy"}));
        program.List->SearchField->selectAll();
        QTest::keyClick(program.List->SearchField, Qt::Key_Backspace);
        QTRY_VERIFY(program.List->SongList->isVisible());
        QCOMPARE(program.List->SongList->topLevelItemCount(), 4);
    }

    // Enter goes from the field to what was found; Enter or a double-click opens a song.
    void aFoundSongOpensAsFromTheTree() {
        TProgram program(Library);
        program.Start();
        TypeInto(program.List->SearchField, "dala");
        // At once, not after the typing pause; and should the index still be
        // in the making, the results take the focus when they come.
        QTest::keyClick(program.List->SearchField, Qt::Key_Return);
        QTRY_VERIFY(Results(program)->hasFocus());
        QCOMPARE(Results(program)->currentItem()->text(0), QString("Csak"));
        QTest::keyClick(Results(program), Qt::Key_Return); // an artist opens nothing
        QVERIFY(!ActiveSongWindow);
        QTest::keyClick(Results(program), Qt::Key_Down);
        QTest::keyClick(Results(program), Qt::Key_Return);
        QVERIFY(ActiveSongWindow);
        QCOMPARE(ActiveSongWindow->windowTitle(), QString("Csak - Cukor"));

        QTreeWidgetItem* song = Found(program, "Csak", "Cukor");
        const QPoint centre = Results(program)->visualItemRect(song).center();
        QTest::mouseClick(Results(program)->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(Results(program)->viewport(), Qt::LeftButton, {}, centre);
        QCOMPARE(program.Main->findChildren<TSongWindow*>().size(), 2);
    }

    // Ctrl+F: in a song window, the find bar; anywhere else, the library's field.
    void ctrlFReachesTheSearchFromAnywhere() {
        TProgram program(Library);
        program.Start();
        TypeInto(program.List->SearchField, "szí");
        program.List->SongList->setFocus();
        QTest::keySequence(program.Main, QKeySequence::Find);
        QVERIFY(program.List->SearchField->hasFocus());
        QCOMPARE(program.List->SearchField->selectedText(), QString("szí"));

        TSongWindow* window = program.OpenSong("Csak", "Cukor");
        window->RichEdit->setFocus();
        QTest::keySequence(window->RichEdit, QKeySequence::Find);
        auto* field = window->findChild<QLineEdit*>("FindField");
        QVERIFY(field->isVisible());
        QVERIFY(field->hasFocus());
    }

    // Matches folded as the library search folds them, each marked on screen
    // only; F3 and Shift+F3 go round them; what is copied is unchanged.
    void findsInASongWindowAndGoesRoundWithF3() {
        TProgram program({{"1.txt", {".artist Dalos", ".title Cím", ".verse", "Ég és föld", "meg ÉG, meg őg"}}});
        program.Start();
        TSongWindow* window = program.OpenSong("Dalos", "Cím");
        Click(program.Action("CopyRTF"));
        const QByteArray copiedBefore = QApplication::clipboard()->mimeData()->data("text/rtf");

        window->ShowFind();
        auto* field = window->findChild<QLineEdit*>("FindField");
        QTest::keyClicks(field, "eg");
        QCOMPARE(window->findChild<QLabel*>("FindCount")->text(), QString("4 találat"));
        const QList<QTextEdit::ExtraSelection> marks = window->RichEdit->extraSelections();
        QStringList marked;
        for (const QTextEdit::ExtraSelection& mark : marks)
            marked << mark.cursor.selectedText();
        QCOMPARE(marked, (QStringList{"Ég", "eg", "ÉG", "eg"}));
        QCOMPARE(window->RichEdit->textCursor().selectedText(), QString("Ég"));

        QTest::keyClick(field, Qt::Key_F3);
        QCOMPARE(window->RichEdit->textCursor().selectionStart(), marks[1].cursor.selectionStart());
        QTest::keyClick(field, Qt::Key_F3, Qt::ShiftModifier);
        QTest::keyClick(field, Qt::Key_F3, Qt::ShiftModifier);
        QCOMPARE(window->RichEdit->textCursor().selectionStart(), marks[3].cursor.selectionStart());

        QTest::keyClick(field, Qt::Key_Escape);
        QVERIFY(!field->isVisible());
        QVERIFY(window->RichEdit->extraSelections().isEmpty());
        QVERIFY(window->RichEdit->hasFocus());
        QTest::keyClick(window->RichEdit, Qt::Key_F3); // the last find goes on from the text too
        QCOMPARE(window->RichEdit->textCursor().selectionStart(), marks[0].cursor.selectionStart());

        Click(program.Action("CopyRTF"));
        QCOMPARE(QApplication::clipboard()->mimeData()->data("text/rtf"), copiedBefore);
        QVERIFY(window->isVisible()); // Escape in the bar did not close the window
    }
};

VIVIRA_TEST_MAIN(TestSearch)
#include "tst_search.moc"
