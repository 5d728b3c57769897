#include "chords/transposition.h"
#include "print/qtcolor.h"
#include "qtbridge/qttext.h"
#include "shell/application.h"
#include "shell/librarywatcher.h"
#include "shell/listwindow.h"
#include "shell/mainwindow.h"
#include "shell/performanceview.h"
#include "shell/setlistwindow.h"
#include "shell/setsonglist.h"
#include "shell/songwindow.h"
#include "tests/shell/programfixture.h"
#include "tests/support/externaltool.h"
#include "tests/support/songfixture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDrag>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QTreeWidget>
#include <filesystem>

namespace {

const TLibraryFiles Library = {
    {"a.txt",
     {".artist Őszi Zenekar", ".title Eső", ".defverse", "Am", "esik", ".title Szél", ".defverse", "C", "fúj",
      ".title Tél", ".verse", "hó"}},
    {"b.txt", {".artist Kovács - Nagy Duó", ".title Dal", ".defverse", "G", "duó"}},
};

// The user's data folder, where the set lists live, is the test's own.
class TSetsHome {
public:
    TSetsHome() { setenv("XDG_DATA_HOME", m_folder.Path().c_str(), 1); }
    ~TSetsHome() { unsetenv("XDG_DATA_HOME"); }
    TSetsHome(const TSetsHome&) = delete;
    TSetsHome& operator=(const TSetsHome&) = delete;

    std::string File(const std::string& name) const { return m_folder / ("Cantorix/Sets/" + name + ".txt"); }
    void Write(const std::string& name, const std::string& text) const {
        std::filesystem::create_directories(m_folder / "Cantorix/Sets");
        WriteBytes(File(name), text);
    }
    std::string Read(const std::string& name) const { return ReadBytes(File(name)); }

private:
    TTempDirectory m_folder;
};

// The song's node in the tree, selected, with the keyboard focus in the tree.
QTreeWidget* SelectSong(TProgram& program, const QString& artist, const QString& title) {
    QTreeWidget* tree = program.List->SongList;
    QTreeWidgetItem* node = tree->findItems(artist, Qt::MatchExactly).value(0);
    node->setExpanded(true);
    for (int index = 0; index < node->childCount(); ++index) {
        if (node->child(index)->text(0) == title)
            node = node->child(index);
    }
    program.Main->Workspace()->setActiveSubWindow(program.List);
    tree->setFocus();
    tree->setCurrentItem(node);
    return tree;
}

// "Műsor" from the menu, with the keyboard focus in its song list.
TSetListWindow* ShowSetList(TProgram& program) {
    Click(program.Action("ShowSetList"));
    auto* window = program.Main->findChild<TSetListWindow*>();
    if (window && !QTest::qWaitFor([window] { return window->SetSongs->hasFocus(); }))
        qWarning("the set list has no focus");
    return window;
}

void FocusSetList(TProgram& program, TSetListWindow* window) {
    program.Main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(program.Main));
    program.Main->Workspace()->setActiveSubWindow(window);
    window->SetSongs->setFocus();
    QTRY_VERIFY(window->HasFocus());
}

// Runs the action: a name dialog is given the name, and each message box
// that comes up is answered with the button; their texts are returned.
QStringList Answering(QAction* action, const QString& name, QMessageBox::StandardButton button = QMessageBox::Ok) {
    QStringList texts;
    QTimer poller;
    QObject::connect(&poller, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            dialog && dialog->isVisible()) {
            dialog->setTextValue(name);
            dialog->accept();
        } else if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); box && box->isVisible()) {
            texts << box->text();
            box->button(button)->click();
        }
    });
    poller.start(5);
    Click(action);
    return texts;
}

// The program on the library, with one set list in the user's folder, shown.
struct TSetProgram {
    TSetProgram(const std::string& name, const std::string& text) {
        Home.Write(name, text);
        Program.Start();
        Window = ShowSetList(Program);
    }

    TSetsHome Home; // before the program, which finds the set lists there
    TProgram Program{Library};
    TSetListWindow* Window = nullptr;
};

QStringList Rows(const TSetListWindow* window) {
    QStringList rows;
    for (int row = 0; row < window->SetSongs->count(); ++row)
        rows << window->SetSongs->item(row)->text() + (window->SetSongs->item(row)->font().strikeOut() ? " --" : "");
    return rows;
}

QAction* WindowAction(const TSetListWindow* window, const char* name) {
    return window->findChild<QAction*>(name);
}

// A drag from the source let go over the row of the song list (its lower half when below).
void DragOnto(QObject* source, QMimeData* data, TSetSongList* list, int row, bool below) {
    const QRect rect = list->visualItemRect(list->item(row));
    const QPoint at(rect.center().x(), below ? rect.bottom() - 1 : rect.top() + 1);
    QTimer::singleShot(0, list, [&] {
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(list->viewport(), &enter);
        QDragMoveEvent move(at, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(list->viewport(), &move);
        QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(list->viewport(), &drop);
        QDrag::cancel();
    });
    auto* drag = new QDrag(source);
    drag->setMimeData(data);
    drag->exec(Qt::CopyAction | Qt::MoveAction);
}

} // namespace

class TestSetList : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { VerifyNothingLeft(); }

    // Insert on a song of the tree puts it at the end of the set list, the
    // first time into a new one; the file is written at once, and the focus
    // stays in the tree for the next song.
    void insertInTheTreeAddsTheSongAndWritesTheFileAtOnce() {
        const TSetsHome home;
        TProgram program(Library);
        program.Start();
        QTreeWidget* tree = SelectSong(program, "Őszi Zenekar", "Szél");
        QTest::keyClick(tree, Qt::Key_Insert);
        QCOMPARE(home.Read("Műsor"), std::string("Őszi Zenekar - Szél\n"));
        auto* window = program.Main->findChild<TSetListWindow*>();
        QVERIFY(window && window->isVisible());
        QVERIFY(tree->hasFocus());
        SelectSong(program, "Kovács - Nagy Duó", "Dal");
        QTest::keyClick(tree, Qt::Key_Insert);
        tree->setCurrentItem(tree->findItems("Őszi Zenekar", Qt::MatchExactly).value(0));
        QTest::keyClick(tree, Qt::Key_Insert); // an artist is no song
        QCOMPARE(home.Read("Műsor"), std::string("Őszi Zenekar - Szél\nKovács - Nagy Duó - Dal\n"));
        QCOMPARE(Rows(window), (QStringList{"1. Őszi Zenekar - Szél", "2. Kovács - Nagy Duó - Dal"}));
        QCOMPARE(window->SetChooser->currentText(), QString("Műsor"));
    }

    // Each key acts on the current row and is written at once; a song the
    // library lacks moves and goes like any other, its line as it was.
    void altUpAndDownMoveTheCurrentSongAndDeleteRemovesIt() {
        TSetProgram set("Péntek", "\xEF\xBB\xBFŐszi Zenekar - Eső\r\nNincs ilyen - dal\r\n\r\nŐszi Zenekar - Tél\r\n");
        TSetListWindow* window = set.Window;
        QVERIFY(window);
        QCOMPARE(Rows(window),
                 (QStringList{"1. Őszi Zenekar - Eső", "2. Nincs ilyen - dal --", "3. Őszi Zenekar - Tél"}));
        const struct {
            int Row;
            Qt::Key Key;
            Qt::KeyboardModifiers Modifiers;
            const char* File;
            int CurrentAfter;
        } steps[] = {
            {0, Qt::Key_Down, Qt::AltModifier, "Nincs ilyen - dal\nŐszi Zenekar - Eső\nŐszi Zenekar - Tél\n", 1},
            {2, Qt::Key_Up, Qt::AltModifier, "Nincs ilyen - dal\nŐszi Zenekar - Tél\nŐszi Zenekar - Eső\n", 1},
            {0, Qt::Key_Up, Qt::AltModifier, "Nincs ilyen - dal\nŐszi Zenekar - Tél\nŐszi Zenekar - Eső\n", 0},
            {2, Qt::Key_Down, Qt::AltModifier, "Nincs ilyen - dal\nŐszi Zenekar - Tél\nŐszi Zenekar - Eső\n", 2},
            {1, Qt::Key_Down, Qt::NoModifier, "Nincs ilyen - dal\nŐszi Zenekar - Tél\nŐszi Zenekar - Eső\n", 2},
            {0, Qt::Key_Delete, Qt::NoModifier, "Őszi Zenekar - Tél\nŐszi Zenekar - Eső\n", 0},
            {1, Qt::Key_Delete, Qt::NoModifier, "Őszi Zenekar - Tél\n", 0},
            {0, Qt::Key_Delete, Qt::NoModifier, "", -1},
        };
        for (const auto& step : steps) {
            window->SetSongs->setCurrentRow(step.Row);
            QTest::keyClick(window->SetSongs, step.Key, step.Modifiers);
            QCOMPARE(set.Home.Read("Péntek"), std::string(step.File));
            QCOMPARE(window->SetSongs->currentRow(), step.CurrentAfter);
        }
    }

    // A song the library lacks is struck out and stays in the file; once the
    // library holds it, it is found.
    void aSongTheLibraryLacksIsStruckOutUntilItIsThere() {
        TSetProgram set("Péntek", "Nincs ilyen - dal\nŐszi Zenekar - Eső\n");
        TSetListWindow* window = set.Window;
        QCOMPARE(Rows(window), (QStringList{"1. Nincs ilyen - dal --", "2. Őszi Zenekar - Eső"}));
        QCOMPARE(window->findChild<QLabel*>("SetStatus")->text(), QString("2 dal, ebből 1 nincs a dalkönyvtárban"));
        WriteBytes(set.Program.DataFolder() + "/c.txt", SongFileBytes({".artist Nincs ilyen", ".title dal"}));
        QTRY_COMPARE_WITH_TIMEOUT(Rows(window), (QStringList{"1. Nincs ilyen - dal", "2. Őszi Zenekar - Eső"}), 5000);
        QCOMPARE(set.Home.Read("Péntek"), std::string("Nincs ilyen - dal\nŐszi Zenekar - Eső\n"));
    }

    // Enter or a double-click opens the song in a window, as the tree does; a song the library lacks opens none.
    void enterOpensTheSongAsTheTreeDoes() {
        TSetProgram set("Péntek", "Nincs ilyen - dal\nKovács - Nagy Duó - Dal\n");
        TSetListWindow* window = set.Window;
        QTest::keyClick(window->SetSongs, Qt::Key_Return);
        QVERIFY(!ActiveSongWindow);
        window->SetSongs->setCurrentRow(1);
        QTest::keyClick(window->SetSongs, Qt::Key_Return);
        QVERIFY(ActiveSongWindow);
        QCOMPARE(ActiveSongWindow->windowTitle(), QString("Kovács - Nagy Duó - Dal"));
        QCOMPARE(set.Program.Main->Workspace()->subWindowList().size(), 3);
        ActiveSongWindow->close();
        QTRY_COMPARE(set.Program.Main->Workspace()->subWindowList().size(), 2);
        const auto doubleClick = [window](int row) { // as the system delivers it: a click, then the double-click
            const QPoint at = window->SetSongs->visualItemRect(window->SetSongs->item(row)).center();
            QTest::mouseClick(window->SetSongs->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(window->SetSongs->viewport(), Qt::LeftButton, {}, at);
        };
        doubleClick(0);
        QCOMPARE(set.Program.Main->Workspace()->subWindowList().size(), 2);
        doubleClick(1);
        QCOMPARE(set.Program.Main->Workspace()->subWindowList().size(), 3);
        QCOMPARE(ActiveSongWindow->windowTitle(), QString("Kovács - Nagy Duó - Dal"));
    }

    // Save, Copy and Print take the set list while its window has the focus:
    // one document of its songs in set order, each as its window was left.
    void saveCopyAndPrintHoldTheSongsInOrderEachInItsKey() {
        TSetProgram set("Péntek este", "Kovács - Nagy Duó - Dal\nNincs ilyen - dal\nŐszi Zenekar - Eső\n");
        TSetListWindow* window = set.Window;
        TSongWindow* song = set.Program.OpenSong("Őszi Zenekar", "Eső");
        QTest::keyClick(song->RichEdit, Qt::Key_Up, Qt::ControlModifier);
        QTest::keyClick(song->RichEdit, Qt::Key_Up, Qt::ControlModifier);
        song->close();
        QCOMPARE(Rows(window).last(), QString("3. Őszi Zenekar - Eső (+2)")); // shown as soon as it is moved
        FocusSetList(set.Program, window);
        TTempDirectory out;
        QString offered;
        {
            const TAnswerModal answer([&](QWidget* modal) {
                auto* dialog = qobject_cast<QFileDialog*>(modal);
                QVERIFY(dialog);
                offered = dialog->findChild<QLineEdit*>("fileNameEdit")->text();
                dialog->setDirectory(QString::fromStdString(out.Path()));
                dialog->findChild<QLineEdit*>("fileNameEdit")->setText("műsor");
                QMetaObject::invokeMethod(dialog, "accept", Qt::DirectConnection);
            });
            Click(set.Program.Action("SaveRTF"));
        }
        QCOMPARE(offered, QString("Péntek este"));
        const std::string expected = "Kovács - Nagy Duó\n\nDal\n\nG\n\nduó\n\nŐszi Zenekar\n\nEső\n\nHm\n\nesik\n";
        QCOMPARE(RunTool("pandoc -f rtf -t plain " + ShellQuoted(out / "műsor.rtf")), expected);
        FocusSetList(set.Program, window); // what the save dialog took
        Click(set.Program.Action("CopyRTF"));
        WriteBytes(out / "másolat.rtf", QApplication::clipboard()->mimeData()->data("text/rtf").toStdString());
        QCOMPARE(RunTool("pandoc -f rtf -t plain " + ShellQuoted(out / "másolat.rtf")), expected);
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(QString::fromStdString(out / "műsor.pdf"));
        set.Program.Main->ChoosePrinter(std::move(printer));
        Click(set.Program.Action("m_Print"));
        QCOMPARE(set.Program.Main->CurrentPrinter().docName(), QString("Péntek este"));
        QCOMPARE(QString::fromStdString(RunTool("pdftotext " + ShellQuoted(out / "műsor.pdf") + " -")).simplified(),
                 QString::fromStdString(expected).simplified());
        SelectSong(set.Program, "Őszi Zenekar", "Tél"); // the tree's focus: the tree's song
        Click(set.Program.Action("CopyRTF"));
        QVERIFY(QApplication::clipboard()->text().contains("hó"));
        QVERIFY(!QApplication::clipboard()->text().contains("duó"));
    }

    // F11 plays the songs the library holds, each with its shift, from the
    // current row's song (or the next after a lacking one); Alt+Page Down
    // goes on to the next, and Escape comes back to the set list.
    void f11PlaysTheSongsThatAreThereFromTheCurrentOne() {
        TSetProgram set("Péntek",
                        "Őszi Zenekar - Szél\nNincs ilyen - dal\nKovács - Nagy Duó - Dal\nMég egy - hiányzó\n");
        TSetListWindow* window = set.Window;
        TSongWindow* song = set.Program.OpenSong("Kovács - Nagy Duó", "Dal");
        QTest::keyClick(song->RichEdit, Qt::Key_Down, Qt::ControlModifier);
        song->close();
        QStringList shown;
        for (int row = 0; row < 4; ++row) {
            FocusSetList(set.Program, window);
            window->SetSongs->setCurrentRow(row);
            QTest::keyClick(window->SetSongs, Qt::Key_F11);
            QPointer<TPerformanceView> view = window->findChild<TPerformanceView*>();
            QVERIFY(view);
            QString text = QString::number(view->SongIndex()) + ": " + view->windowTitle();
            QTest::keyClick(view, Qt::Key_PageDown, Qt::AltModifier);
            shown << text + " / " + view->windowTitle();
            QTest::keyClick(view, Qt::Key_Escape);
            QTRY_VERIFY(!view);
            QTRY_VERIFY(window->SetSongs->hasFocus());
        }
        const QString second = "1: Kovács - Nagy Duó - Dal (-1) / Kovács - Nagy Duó - Dal (-1)";
        QCOMPARE(shown, (QStringList{"0: Őszi Zenekar - Szél / Kovács - Nagy Duó - Dal (-1)", second, second, second}));
        QVERIFY(WindowAction(window, "SetPerformance")->text() == "Előadói nézet");
    }

    // A song dragged from the tree is copied in where it is let go (the tree
    // keeps it); a row dragged within the list moves there.
    void dragsBringSongsFromTheTreeAndMoveThemWithin() {
        if (QGuiApplication::platformName() == "offscreen")
            QSKIP("a drag needs a window system: shell_setlist_x11 runs this under Xvfb");
        TSetProgram set("Péntek", "Őszi Zenekar - Eső\nŐszi Zenekar - Tél\n");
        TSetListWindow* window = set.Window;
        QTreeWidget* tree = SelectSong(set.Program, "Kovács - Nagy Duó", "Dal");
        DragOnto(tree, new QMimeData, window->SetSongs, 0, true);
        QCOMPARE(set.Home.Read("Péntek"),
                 std::string("Őszi Zenekar - Eső\nKovács - Nagy Duó - Dal\nŐszi Zenekar - Tél\n"));
        QCOMPARE(tree->currentItem()->text(0), QString("Dal"));
        window->SetSongs->setCurrentRow(0);
        DragOnto(window->SetSongs, new QMimeData, window->SetSongs, 2, true);
        QCOMPARE(set.Home.Read("Péntek"),
                 std::string("Kovács - Nagy Duó - Dal\nŐszi Zenekar - Tél\nŐszi Zenekar - Eső\n"));
        QCOMPARE(window->SetSongs->currentRow(), 2);
        DragOnto(window->SetSongs, new QMimeData, window->SetSongs, 1, false);
        QCOMPARE(set.Home.Read("Péntek"),
                 std::string("Kovács - Nagy Duó - Dal\nŐszi Zenekar - Eső\nŐszi Zenekar - Tél\n"));
        tree->setCurrentItem(tree->topLevelItem(0)); // an artist brings nothing
        DragOnto(tree, new QMimeData, window->SetSongs, 0, false);
        QCOMPARE(window->SetSongs->count(), 3);
    }

    // Set lists are made, renamed and deleted by name; a name that cannot be
    // a file name is refused, saying why; deleting asks first.
    void setListsAreMadeRenamedAndDeleted() {
        TSetProgram set("Alma", "Őszi Zenekar - Eső\n");
        TSetListWindow* window = set.Window;
        QAction* create = WindowAction(window, "NewSetList");
        const QStringList refused = Answering(create, "Péntek/szombat") + Answering(create, "Alma") +
                                    Answering(create, " ") + Answering(create, "nul.régi");
        QCOMPARE(refused.size(), 4);
        QVERIFY2(refused[0].contains("nem lehet benne /"), qPrintable(refused[0]));
        QCOMPARE(refused[1], QString("Már van ilyen nevű műsor: „Alma”."));
        QCOMPARE(refused[2], QString("A műsornak nevet kell adni."));
        QVERIFY2(refused[3].contains("a Windowsban egy eszközé"), qPrintable(refused[3]));
        QCOMPARE(window->SetChooser->count(), 1);

        QCOMPARE(Answering(create, "Ünnepi ének ő"), QStringList());
        QCOMPARE(set.Home.Read("Ünnepi ének ő"), std::string());
        QCOMPARE(window->SetChooser->currentText(), QString("Ünnepi ének ő"));
        window->SetChooser->setCurrentText("Alma");
        QCOMPARE(Answering(WindowAction(window, "RenameSetList"), "Körte"), QStringList());
        QVERIFY(!std::filesystem::exists(set.Home.File("Alma")));
        QCOMPARE(set.Home.Read("Körte"), std::string("Őszi Zenekar - Eső\n"));
        QCOMPARE(window->SetChooser->currentText(), QString("Körte"));
        QCOMPARE(Rows(window), QStringList{"1. Őszi Zenekar - Eső"});

        for (const auto button : {QMessageBox::No, QMessageBox::Yes}) {
            const QStringList asked = Answering(WindowAction(window, "DeleteSetList"), {}, button);
            QCOMPARE(asked, QStringList{"Törlöd ezt a műsort: „Körte”?\n\nA dalok megmaradnak."});
            QCOMPARE(std::filesystem::exists(set.Home.File("Körte")), button == QMessageBox::No);
        }
        QCOMPARE(window->SetChooser->currentText(), QString("Ünnepi ének ő"));
    }

    // Closed and shown again, the window shows the set list it showed, read anew.
    void theWindowComesBackWithItsSetList() {
        TSetProgram set("Alma", "Őszi Zenekar - Eső\n");
        set.Home.Write("Körte", "Őszi Zenekar - Tél\n");
        set.Window->Reload();
        set.Window->SetChooser->setCurrentText("Körte");
        set.Window->close();
        QTRY_VERIFY(!set.Program.Main->findChild<TSetListWindow*>());
        set.Home.Write("Körte", "Őszi Zenekar - Szél\n");
        TSetListWindow* window = ShowSetList(set.Program);
        QCOMPARE(window->SetChooser->currentText(), QString("Körte"));
        QCOMPARE(Rows(window), QStringList{"1. Őszi Zenekar - Szél"});
    }

    // Another program's changes (a set list pulled from a shared folder, an
    // edit by hand) show as they happen; one made just before a key is
    // pressed is not written over. The window's own writes leave the rows be.
    void anotherProgramsChangesShowAndAreNeverWrittenOver() {
        TSetProgram set("Péntek", "Őszi Zenekar - Eső\nŐszi Zenekar - Tél\n");
        TSetListWindow* window = set.Window;
        set.Home.Write("Péntek", "Őszi Zenekar - Szél\nŐszi Zenekar - Eső\nŐszi Zenekar - Tél\n");
        QTRY_COMPARE_WITH_TIMEOUT(Rows(window).size(), 3, 5000);
        set.Home.Write("Szombat", "Kovács - Nagy Duó - Dal\n");
        QTRY_COMPARE_WITH_TIMEOUT(window->SetChooser->count(), 2, 5000);
        QCOMPARE(window->SetChooser->currentText(), QString("Péntek"));

        const std::string theirs = "Őszi Zenekar - Tél\nNincs ilyen - dal\n";
        set.Home.Write("Péntek", theirs);
        window->SetSongs->setCurrentRow(0);
        const QStringList messages =
            TriggerAnsweringErrors([&] { QTest::keyClick(window->SetSongs, Qt::Key_Down, Qt::AltModifier); });
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].contains("„Péntek”") && messages[0].contains("megváltoztatta"), qPrintable(messages[0]));
        QCOMPARE(set.Home.Read("Péntek"), theirs);
        QCOMPARE(Rows(window), (QStringList{"1. Őszi Zenekar - Tél", "2. Nincs ilyen - dal --"}));

        FocusSetList(set.Program, window); // back from the message
        window->SetSongs->setCurrentRow(0);
        QTest::keyClick(window->SetSongs, Qt::Key_Down, Qt::AltModifier);
        QCOMPARE(set.Home.Read("Péntek"), std::string("Nincs ilyen - dal\nŐszi Zenekar - Tél\n"));
        const QListWidgetItem* shown = window->SetSongs->item(1);
        QTest::qWait(TLibraryWatcher::QuietMilliseconds * 2);
        QCOMPARE(window->SetSongs->item(1), shown);
        QCOMPARE(window->SetSongs->currentRow(), 1);
    }

    // A change that cannot be written is not made: the list shows the file.
    void aChangeThatCannotBeWrittenIsNotMade() {
        TSetProgram set("Péntek", "Őszi Zenekar - Eső\nŐszi Zenekar - Tél\n");
        TSetListWindow* window = set.Window;
        std::filesystem::remove(set.Home.File("Péntek"));
        std::filesystem::create_directory(set.Home.File("Péntek")); // a folder where the file was
        const QStringList messages =
            TriggerAnsweringErrors([&] { QTest::keyClick(window->SetSongs, Qt::Key_Down, Qt::AltModifier); });
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].contains("Péntek.txt"), qPrintable(messages[0]));
        QCOMPARE(Rows(window), (QStringList{"1. Őszi Zenekar - Eső", "2. Őszi Zenekar - Tél"}));
        QVERIFY(std::filesystem::is_directory(set.Home.File("Péntek")));
    }
};

VIVIRA_TEST_MAIN(TestSetList)

#include "tst_setlist.moc"
