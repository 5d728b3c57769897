#include "print/qtcolor.h"
#include "qtbridge/qttext.h"
#include "render/rtfwriter.h"
#include "render/styleslots.h"
#include "shell/application.h"
#include "shell/listwindow.h"
#include "shell/mainwindow.h"
#include "shell/songwindow.h"
#include "shell/workprogress.h"
#include "tests/shell/programfixture.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMdiArea>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressDialog>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QTreeWidget>
#include <filesystem>
#include <fstream>
#include <utility>

namespace {

// Long enough to make that the progress dialog shows while it is made.
constexpr int BigSongbookSongs = 12000;

const TLibraryFiles Library = {
    {"a.txt", {".artist AC/DC", ".title Egy: két?", ".verse", "első dal", ".title Kettő", ".verse", "második dal"}},
    {"b.txt", {".artist Üres"}},
};

std::string FileText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

void SelectInTree(TProgram& program, const QString& artist, const QString& song = {}) {
    QTreeWidget* tree = program.List->SongList;
    QTreeWidgetItem* node = tree->findItems(artist, Qt::MatchExactly).value(0);
    QVERIFY(node);
    if (!song.isEmpty()) {
        node->setExpanded(true);
        for (int index = 0; index < node->childCount(); ++index) {
            if (node->child(index)->text(0) == song)
                node = node->child(index);
        }
    }
    program.Main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(program.Main));
    program.Main->Workspace()->setActiveSubWindow(program.List);
    tree->setFocus();
    tree->setCurrentItem(node);
    QTRY_VERIFY(tree->hasFocus());
}

// Runs "Mentés..." and answers the save dialog with the name, in the folder; returns the name it offered.
QString SaveAs(TProgram& program, const QString& folder, const QString& name, bool confirmOverwrite = true) {
    QString offered;
    const TAnswerModal answer1([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QVERIFY(dialog);
        offered = dialog->findChild<QLineEdit*>("fileNameEdit")->text();
        if (name.isEmpty())
            return dialog->reject();
        const TAnswerModal answer2([confirmOverwrite](QWidget* question) { // only when the file exists
            if (auto* box = qobject_cast<QMessageBox*>(question))
                box->button(confirmOverwrite ? QMessageBox::Yes : QMessageBox::No)->click();
        });
        dialog->setDirectory(folder);
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(name);
        QMetaObject::invokeMethod(dialog, "accept", Qt::DirectConnection);
        if (dialog->isVisible())
            dialog->reject(); // the overwrite question was answered no
    });
    Click(program.Action("SaveRTF"));
    return offered;
}

} // namespace

class TestDocuments : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { VerifyNothingLeft(); }

    void savesTheSongWindowsOwnDocumentAndTheTreesFreshOne() {
        TProgram program(Library);
        program.Start();
        TTempDirectory out;
        TSongWindow* window = program.OpenSong("AC/DC", "Egy: két?");
        QVERIFY(window);
        StyleFonts[StyleSlot::Verse].Name = "Liberation Mono"; // a font change after the window opened
        QCOMPARE(SaveAs(program, QString::fromStdString(out.Path()), "ablak"), QString("AC_DC - Egy: két?"));
        const std::string fromWindow = FileText(out / "ablak.rtf");
        QCOMPARE(fromWindow, RichText(window->Document()));
        QVERIFY(fromWindow.find("Liberation Mono") == std::string::npos);

        SelectInTree(program, "AC/DC", "Egy: két?");
        QCOMPARE(SaveAs(program, QString::fromStdString(out.Path()), "fa.doc"), QString("AC_DC - Egy: két?"));
        const std::string fromTree = FileText(out / "fa.doc"); // another extension stays, the content is RTF
        QVERIFY(fromTree.starts_with("{\\rtf1"));
        QVERIFY(fromTree.find("Liberation Mono") != std::string::npos);

        SelectInTree(program, "AC/DC");
        QCOMPARE(SaveAs(program, QString::fromStdString(out.Path()), "könyv"), QString("AC_DC"));
        const std::string book = FileText(out / "könyv.rtf");
        QVERIFY(book.find("els\\u337\\'f5 dal") < book.find("m\\u225\\'e1sodik dal"));
        QVERIFY(!std::filesystem::exists(out / "AC"));
    }

    void replacesAFileOnlyAfterTheOverwriteQuestion() {
        TProgram program(Library);
        program.Start();
        TTempDirectory out;
        WriteBytes(out / "dal.rtf", "régi");
        program.OpenSong("AC/DC", "Kettő");
        SaveAs(program, QString::fromStdString(out.Path()), "dal", false);
        QCOMPARE(FileText(out / "dal.rtf"), std::string("régi"));
        SaveAs(program, QString::fromStdString(out.Path()), "dal", true);
        QVERIFY(FileText(out / "dal.rtf").starts_with("{\\rtf1"));
        QCOMPARE(SaveAs(program, QString::fromStdString(out.Path()), ""), QString("AC_DC - Kettő")); // cancelled
    }

    // Rendered after a full songbook into the same hidden document, an empty
    // one must not keep the fonts or the indent of what was there before.
    void anArtistWithoutSongsSavesAnEmptyDocument() {
        TProgram program(Library);
        program.Start();
        TTempDirectory out;
        SelectInTree(program, "AC/DC");
        SaveAs(program, QString::fromStdString(out.Path()), "tele");
        SelectInTree(program, "Üres");
        SaveAs(program, QString::fromStdString(out.Path()), "üres");
        QCOMPARE(FileText(out / "üres.rtf"), RichText(TRichDocument(ScreenPixelsPerInch)));
    }

    // The save dialog opens where the user saved last (at first in the
    // documents folder, never the program's working folder), and before the
    // songbook is made: a big one takes seconds.
    void theSaveDialogComesFirstAndOpensWhereTheLastSaveWent() {
        TProgram program(Library);
        program.Start();
        TTempDirectory out;
        QString opened;
        std::size_t renderedWhileOpen = 1;
        const TAnswerModal first([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            opened = dialog->directory().absolutePath();
            renderedWhileOpen = program.Main->TempRichEdit.Text().size();
            dialog->reject();
        });
        SelectInTree(program, "AC/DC");
        Click(program.Action("SaveRTF"));
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QCOMPARE(opened, QDir(documents).exists() ? documents : QDir::homePath());
        QCOMPARE(renderedWhileOpen, std::size_t{0});
        QVERIFY(program.Main->TempRichEdit.Text().empty()); // cancelled: nothing made

        std::filesystem::create_directory(out / "mappa");
        SelectInTree(program, "AC/DC");
        SaveAs(program, QString::fromStdString(out / "mappa"), "könyv");
        QVERIFY(std::filesystem::exists(out / "mappa/könyv.rtf"));
        const TAnswerModal again([&](QWidget* modal) {
            opened = qobject_cast<QFileDialog*>(modal)->directory().absolutePath();
            qobject_cast<QFileDialog*>(modal)->reject();
        });
        SelectInTree(program, "AC/DC");
        Click(program.Action("SaveRTF"));
        QCOMPARE(opened, QString::fromStdString(out / "mappa"));
    }

    // A big songbook is made and written in one progress dialog, under the
    // busy pointer; cancelled while it is written, the old file stays whole
    // and nothing else is left in the folder.
    void aSaveCancelledWhileWritingKeepsTheOldFile() {
        std::vector<std::string> lines{".artist Nagy"};
        for (int song = 0; song < BigSongbookSongs; ++song) {
            lines.push_back(".title " + std::to_string(song) + ". dal");
            lines.push_back(".verse");
            for (int line = 0; line < 8; ++line)
                lines.push_back("Őszi szél fúj, sor " + std::to_string(line) + " a hosszú dalkönyvben");
        }
        TProgram program({{"a.txt", lines}});
        program.Start();
        TTempDirectory out;
        WriteBytes(out / "könyv.rtf", "régi");
        QStringList phases;
        bool busyWhileWriting = false;
        QTimer canceller;
        connect(&canceller, &QTimer::timeout, [&] {
            auto* progress = program.Main->findChild<QProgressDialog*>("WorkProgress");
            if (!progress || !progress->isVisible() || phases.contains(progress->labelText()))
                return;
            phases << progress->labelText();
            if (progress->labelText() != "Dalkönyv mentése...")
                return;
            busyWhileWriting =
                QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::BusyCursor;
            progress->cancel();
        });
        canceller.start(0);
        // However fast the machine, the dialog is there to answer.
        const int usual = std::exchange(TWorkProgress::ShowAfterMilliseconds, 0);
        SelectInTree(program, "Nagy");
        SaveAs(program, QString::fromStdString(out.Path()), "könyv");
        TWorkProgress::ShowAfterMilliseconds = usual;
        canceller.stop();
        QCOMPARE(phases, (QStringList{"Dalkönyv előkészítése...", "Dalkönyv mentése..."}));
        QVERIFY(busyWhileWriting);
        QVERIFY(!QApplication::overrideCursor());
        QCOMPARE(FileText(out / "könyv.rtf"), std::string("régi"));
        QCOMPARE(std::distance(std::filesystem::directory_iterator(out.Path()), {}), 1);
    }

    void copiesTheWholeDocumentAndLeavesTheSelectionAlone() {
        TProgram program(Library);
        program.Start();
        TSongWindow* window = program.OpenSong("AC/DC", "Kettő");
        QTextCursor selection(window->RichEdit->document());
        selection.setPosition(2);
        selection.setPosition(5, QTextCursor::KeepAnchor);
        window->RichEdit->setTextCursor(selection);
        Click(program.Action("CopyRTF"));
        const QMimeData* copied = QApplication::clipboard()->mimeData();
        for (const char* format : {"text/rtf", "text/richtext", "application/rtf"})
            QCOMPARE(copied->data(format).toStdString(), RichText(window->Document()));
        QVERIFY(copied->html().contains("második dal"));
        QVERIFY(copied->html().contains("font-family:'Times New Roman'"));
        QCOMPARE(copied->text(), QString("\nAC/DC\nKettő\n\nmásodik dal\n"));
        QCOMPARE(window->RichEdit->textCursor().anchor(), 2);
        QCOMPARE(window->RichEdit->textCursor().position(), 5);
    }

    void theFocusedTreeDecidesAndWithNothingSelectedNothingHappens() {
        TProgram program(Library);
        program.Start();
        program.OpenSong("AC/DC", "Kettő");
        QVERIFY(ActiveSongWindow);
        QApplication::clipboard()->setText("előtte");
        program.List->SongList->setFocus();
        program.List->SongList->setCurrentItem(nullptr);
        program.List->SongList->clearSelection();
        QString title;
        TRichDocument* document = nullptr;
        QVERIFY(!program.Main->GetCurrentDocument(title, document));
        Click(program.Action("CopyRTF"));
        QCOMPARE(QApplication::clipboard()->text(), QString("előtte"));
        const QStringList dialogs = TriggerAnsweringErrors([&] { Click(program.Action("SaveRTF")); });
        QVERIFY(dialogs.isEmpty());
        QVERIFY(!QApplication::activeModalWidget());

        SelectInTree(program, "AC/DC", "Egy: két?");
        QVERIFY(program.Main->GetCurrentDocument(title, document));
        QCOMPARE(title, QString("AC/DC - Egy: két?")); // not the song window's
        QCOMPARE(document, &program.Main->TempRichEdit);
    }
};

VIVIRA_TEST_MAIN(TestDocuments)
#include "tst_documents.moc"
