#include "print/qtcolor.h"
#include "qtbridge/qttext.h"
#include "shell/application.h"
#include "shell/librarywatcher.h"
#include "shell/listwindow.h"
#include "shell/mainwindow.h"
#include "shell/songwindow.h"
#include "tests/shell/programfixture.h"
#include "tests/support/songfixture.h"

#include <QAction>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QTextEdit>
#include <QTreeWidget>
#include <filesystem>

namespace {

const TLibraryFiles Library = {
    {"a.txt", {".artist Alma", ".title Első", ".verse", "egy", ".title Második", ".verse", "kettő"}},
    {"c.txt", {".artist Cseresznye", ".title Dal"}},
};

QStringList ArtistNames(const TProgram& program) {
    QStringList names;
    for (int index = 0; index < program.List->SongList->topLevelItemCount(); ++index)
        names << program.List->SongList->topLevelItem(index)->text(0);
    return names;
}

// Long enough for the watcher's quiet moment and a reload, on a busy machine.
constexpr int ReloadWait = 5000;

// Counts the loads: each one shows the load-status dialog.
class TLoadCounter : public QObject {
public:
    TLoadCounter() { qApp->installEventFilter(this); }
    ~TLoadCounter() override { qApp->removeEventFilter(this); }
    int Loads = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->objectName() == "LoadStatus")
            ++Loads;
        return false;
    }
};

} // namespace

class TestLibrary : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { VerifyNothingLeft(); }

    // A file added, written or removed reloads the tree, once for a burst
    // of changes; what was open and selected stays so, and open song windows
    // keep their songs, also those opened between two reloads.
    void followsTheFolderKeepingTheTreeAsTheUserLeftIt() {
        TProgram program(Library);
        program.Start();
        TLoadCounter counter;
        QTreeWidget* tree = program.List->SongList;
        QTreeWidgetItem* alma = tree->findItems("Alma", Qt::MatchExactly)[0];
        alma->setExpanded(true);
        tree->setCurrentItem(alma->child(1));
        TSongWindow* before = program.OpenSong("Alma", "Második");
        const QString shown = before->RichEdit->toPlainText();

        for (const char* name : {"b.txt", "b2.txt", "b3.txt"})
            WriteBytes(program.DataFolder() + "/" + name, SongFileBytes({".artist Barack", ".title Új"}));
        QTRY_COMPARE_WITH_TIMEOUT(ArtistNames(program).size(), 5, ReloadWait);
        QTest::qWait(2 * TLibraryWatcher::QuietMilliseconds);
        QCOMPARE(counter.Loads, 1);
        alma = tree->findItems("Alma", Qt::MatchExactly)[0];
        QVERIFY(alma->isExpanded());
        QCOMPARE(tree->currentItem()->text(0), QString("Második"));
        QVERIFY(tree->currentItem()->isSelected());
        TSongWindow* between = program.OpenSong("Cseresznye", "Dal");

        WriteBytes(program.DataFolder() + "/a.txt",
                   SongFileBytes({".artist Alma", ".title Első", ".title Harmadik", ".title Második"}));
        QTRY_COMPARE_WITH_TIMEOUT(tree->findItems("Alma", Qt::MatchExactly)[0]->childCount(), 3, ReloadWait);
        for (const char* name : {"b.txt", "b2.txt", "b3.txt"})
            std::filesystem::remove(program.DataFolder() + "/" + name);
        QTRY_COMPARE_WITH_TIMEOUT(ArtistNames(program), (QStringList{"Alma", "Cseresznye"}), ReloadWait);

        // Each window's song is the one read when it opened, and still works.
        QCOMPARE(before->RichEdit->toPlainText(), shown);
        for (TSongWindow* window : {before, between}) {
            Click(window->findChild<QAction*>("TransposeUp"));
            QVERIFY(window->windowTitle().endsWith("(+1)"));
        }
        QVERIFY(before->RichEdit->toPlainText().contains("kettő"));
    }

    // A selected node that is gone leaves the first artist selected; a
    // change while a dialog is open waits for it to close.
    void waitsForDialogsAndSelectsTheFirstArtistWhenTheSelectedIsGone() {
        TProgram program(Library);
        program.Start();
        QTreeWidget* tree = program.List->SongList;
        tree->setCurrentItem(tree->findItems("Cseresznye", Qt::MatchExactly)[0]);
        bool reloadedUnderDialog = true;
        const TAnswerModal answer([&](QWidget* modal) {
            std::filesystem::remove(program.DataFolder() + "/c.txt");
            QTest::qWait(4 * TLibraryWatcher::QuietMilliseconds);
            reloadedUnderDialog = ArtistNames(program) != QStringList{"Alma", "Cseresznye"};
            static_cast<QDialog*>(modal)->accept();
        });
        Click(program.Action("m_About"));
        QVERIFY(!reloadedUnderDialog);
        QTRY_COMPARE_WITH_TIMEOUT(ArtistNames(program), QStringList{"Alma"}, ReloadWait);
        QCOMPARE(tree->currentItem()->text(0), QString("Alma"));
        QVERIFY(tree->currentItem()->isSelected());
    }

    // The next start shows the windows where they were and the tree as it
    // was left; places that no longer fit give way to the first-run ones.
    void theWindowsAndTheTreeComeBackAsTheyWereLeft() {
        std::string settings;
        QRect frame;
        {
            TProgram program(Library);
            program.Start();
            program.Main->move(30, 40);
            program.Main->resize(700, 500);
            QCoreApplication::processEvents();
            program.List->setGeometry(10, 12, 300, 200);
            QTreeWidget* tree = program.List->SongList;
            QTreeWidgetItem* alma = tree->findItems("Alma", Qt::MatchExactly)[0];
            alma->setExpanded(true);
            tree->findItems("Cseresznye", Qt::MatchExactly)[0]->setExpanded(true);
            tree->setCurrentItem(alma->child(1));
            frame = program.Main->frameGeometry();
            Click(program.Action("m_Exit"));
            settings = program.SettingsFileText();
        }
        {
            TProgram restarted(Library, settings);
            restarted.Start();
            QCOMPARE(frame.topLeft(), QPoint(30, 40));
            QCOMPARE(restarted.Main->frameGeometry(), frame);
            QCOMPARE(restarted.List->geometry(), QRect(10, 12, 300, 200));
            QTreeWidget* tree = restarted.List->SongList;
            QVERIFY(tree->findItems("Alma", Qt::MatchExactly)[0]->isExpanded());
            QVERIFY(tree->findItems("Cseresznye", Qt::MatchExactly)[0]->isExpanded());
            QCOMPARE(tree->currentItem()->text(0), QString("Második"));
            QVERIFY(tree->currentItem()->isSelected());
        }
        const std::string screenSize = std::to_string(QGuiApplication::primaryScreen()->geometry().width() + 1);
        const std::string elsewhere = "[HKEY_CURRENT_USER\\Software\\Cantorix\\Positions\\Main]\r\n\"Top\"=\"0\"\r\n"
                                      "\"Left\"=\"0\"\r\n\"Width\"=\"" +
                                      screenSize +
                                      "\"\r\n\"Height\"=\"300\"\r\n\r\n"
                                      "[HKEY_CURRENT_USER\\Software\\Cantorix\\Positions\\List]\r\n\"Top\"=\"0\"\r\n"
                                      "\"Left\"=\"-1\"\r\n\"Width\"=\"300\"\r\n\"Height\"=\"200\"\r\n";
        TProgram misplaced(Library, "Windows Registry Editor Version 5.00\r\n\r\n" + elsewhere);
        misplaced.Start();
        QCOMPARE(misplaced.Main->size(), QGuiApplication::primaryScreen()->availableSize() * 4 / 5);
        const QSize workspace = misplaced.Main->WorkspaceSize();
        QCOMPARE(misplaced.List->geometry(), QRect(0, 0, (workspace.width() - 4) / 4, workspace.height() - 4));
        QCOMPARE(misplaced.List->SongList->currentItem()->text(0), QString("Alma"));
    }

    // "Dalkönyvtár megnyitása..." reads another folder at once, and the next
    // start without a folder named reads it again.
    void anotherFolderChosenIsReadNowAndAtTheNextStart() {
        TTempDirectory other;
        std::filesystem::create_directory(other / "Dalok ő");
        WriteBytes(other / "Dalok ő/d.txt", SongFileBytes({".artist Dinnye", ".title Nyár"}));
        const QString folder = QFile::decodeName((other / "Dalok ő").c_str());
        std::string settings;
        {
            TProgram program(Library);
            program.Start();
            const TAnswerModal answer([&folder](QWidget* modal) {
                auto* dialog = qobject_cast<QFileDialog*>(modal);
                QVERIFY(dialog);
                dialog->setDirectory(folder);
                static_cast<QDialog*>(dialog)->accept(); // as the "Choose" button does
            });
            Click(program.Action("OpenLibrary"));
            QCOMPARE(ArtistNames(program), QStringList{"Dinnye"});
            settings = program.SettingsFileText();
            QVERIFY2(settings.find("\"DataFolder\"=\"" + other / "Dalok ő\"") != std::string::npos, settings.c_str());
        }
        TProgram restarted(Library, settings);
        restarted.GivesFolder = false;
        restarted.Start();
        QCOMPARE(ArtistNames(restarted), QStringList{"Dinnye"});
    }

    // A chosen folder that is gone leaves the default in its place.
    void aChosenFolderThatIsGoneIsPassedOver() {
        TProgram program(Library,
                         "Windows Registry Editor Version 5.00\r\n\r\n"
                         "[HKEY_CURRENT_USER\\Software\\Cantorix]\r\n\"DataFolder\"=\"/nincs/ilyen/mappa\"\r\n");
        program.GivesFolder = false;
        program.Start();
        QVERIFY(!ArtistNames(program).contains("Dinnye"));
        QVERIFY(program.List->SongList->topLevelItemCount() > 0); // the sample library beside the tests
    }
};

VIVIRA_TEST_MAIN(TestLibrary)
#include "tst_library.moc"
