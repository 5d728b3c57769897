#include "library/loader.h"
#include "print/qtcolor.h"
#include "qtbridge/qttext.h"
#include "shell/application.h"
#include "shell/icons.h"
#include "shell/librarywatcher.h"
#include "shell/listwindow.h"
#include "shell/mainwindow.h"
#include "shell/songpresort.h"
#include "shell/songwindow.h"
#include "tests/shell/programfixture.h"

#include <QCollator>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolTip>
#include <QTreeWidget>

namespace {

QStringList Texts(const QTreeWidget* tree) {
    QStringList texts;
    for (int index = 0; index < tree->topLevelItemCount(); ++index)
        texts << tree->topLevelItem(index)->text(0);
    return texts;
}

QStringList ChildTexts(const QTreeWidgetItem* node) {
    QStringList texts;
    for (int index = 0; index < node->childCount(); ++index)
        texts << node->child(index)->text(0);
    return texts;
}

QTreeWidgetItem* Artist(const TProgram& program, const QString& name) {
    const auto found = program.List->SongList->findItems(name, Qt::MatchExactly);
    return found.size() == 1 ? found[0] : nullptr;
}

int SongWindowCount(const TProgram& program) {
    int count = 0;
    for (QMdiSubWindow* window : program.Main->Workspace()->subWindowList())
        count += qobject_cast<TSongWindow*>(window) != nullptr;
    return count;
}

QImage Picture(const QIcon& icon) {
    return icon.pixmap(16, 16).toImage();
}

// As the system delivers a double-click: a click, then the double-click.
void DoubleClick(QTreeWidget* tree, QPoint point) {
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, point);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, point);
}

} // namespace

class TestListWindow : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { VerifyNothingLeft(); }

    // No locale set (the C locale) must still sort a Hungarian library as Hungarian.
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void sortsArtistsAndSongsAsHungarianSortsThem() {
        TProgram program({
            {"1.txt", {".artist Zsuzsa", ".title b", ".title Cukor", ".title Csárda", ".title Dal", ".title a"}},
            {"2.txt", {".artist Zoltán"}},
            {"3.txt", {".artist csak"}},
            {"4.txt", {".artist Cukor"}},
            {"5.txt", {".title névtelen dal"}},
            {"6.txt", {".artist Ödön"}},
            {"7.txt", {".artist Oszkár"}},
        });
        program.Start();
        QCOMPARE(Texts(program.List->SongList),
                 (QStringList{"", "Cukor", "csak", "Oszkár", "Ödön", "Zoltán", "Zsuzsa"}));
        QTreeWidgetItem* zsuzsa = Artist(program, "Zsuzsa");
        QCOMPARE(zsuzsa->childCount(), 0); // songs become nodes on first expansion
        zsuzsa->setExpanded(true);
        QCOMPARE(ChildTexts(zsuzsa), (QStringList{"a", "b", "Cukor", "Csárda", "Dal"}));
        zsuzsa->setExpanded(false);
        zsuzsa->setExpanded(true);
        QCOMPARE(zsuzsa->childCount(), 5);
        QTreeWidgetItem* nameless = Artist(program, "");
        nameless->setExpanded(true);
        QCOMPARE(ChildTexts(nameless), QStringList{"névtelen dal"});
    }

    // An artist of thousands of songs is sorted before it is first opened,
    // on another thread: it opens in the collator's order all the same, and
    // stays in it after a reload.
    void anArtistOfManySongsOpensInTheCollatorsOrder() {
        const char* words[] = {"Cukor", "csárda", "Csárda", "dal", "Ödön", "Oszkár", "zsák", "Zsuzsa", "alma", "Álom"};
        std::vector<std::string> lines = {".artist Sok"};
        QStringList titles;
        for (int song = 0; song < 3000; ++song) {
            const std::string title = words[song * 7 % 10] + (" " + std::to_string(song * 7919 % 3000));
            lines.push_back(".title " + title);
            titles << QString::fromStdString(title);
        }
        TProgram program({{"1.txt", lines}, {"2.txt", {".artist Kevés", ".title b", ".title a"}}});
        program.Start();
        QCollator collator(QLocale(QLocale::Hungarian, QLocale::Hungary));
        collator.setCaseSensitivity(Qt::CaseSensitive);
        std::stable_sort(titles.begin(), titles.end(), [&collator](const QString& a, const QString& b) {
            const int compared = collator.compare(a, b);
            return compared != 0 ? compared < 0 : a < b;
        });
        for (int round = 0; round < 2; ++round) {
            auto* presort = program.List->findChild<TSongPresort*>();
            QVERIFY(presort);
            QTRY_VERIFY(presort->Ready());
            QTreeWidgetItem* many = Artist(program, "Sok");
            many->setExpanded(true);
            QCOMPARE(ChildTexts(many), titles);
            for (int index = 0; index < many->childCount(); ++index) // each node opens the song it names
                QCOMPARE(FromAnsi(TListWindow::SongOf(many->child(index))->Title), titles[index]);
            Artist(program, "Kevés")->setExpanded(true);
            QCOMPARE(ChildTexts(Artist(program, "Kevés")), (QStringList{"a", "b"}));
            const QPointer<TSongPresort> before = presort;
            emit program.Main->findChild<TLibraryWatcher*>()->Changed();
            QTRY_VERIFY(!before);
        }
    }

    // A closed folder, an open folder, a page of text: by their pictures.
    void artistNodesShowTheirStateAndAlwaysAnExpandButton() {
        TProgram program(TLibraryFiles{{"1.txt", {".artist Üres"}}, {"2.txt", {".artist Dalos", ".title Dal"}}});
        program.Start();
        const QImage closed = Picture(RoleIcon("folder", "folder"));
        const QImage open = Picture(RoleIcon("folder-open", "folderopen"));
        QVERIFY(closed != open);
        QTreeWidgetItem* empty = Artist(program, "Üres");
        QCOMPARE(empty->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
        QCOMPARE(Picture(empty->icon(0)), closed);
        empty->setExpanded(true);
        QCOMPARE(empty->childCount(), 0);
        QCOMPARE(Picture(empty->icon(0)), open);
        empty->setExpanded(false);
        QCOMPARE(Picture(empty->icon(0)), closed);
        QTreeWidgetItem* full = Artist(program, "Dalos");
        full->setExpanded(true);
        QCOMPARE(Picture(full->child(0)->icon(0)), Picture(RoleIcon("text-x-generic", "page")));
    }

    void opensANewWindowForEverySongCommandAndNoneForArtists() {
        TProgram program(TLibraryFiles{{"1.txt", {".artist Bé", ".title Dal", ".title Dal", ".verse", "második"}}});
        program.Start();
        QTreeWidget* tree = program.List->SongList;
        QTreeWidgetItem* artist = Artist(program, "Bé");
        tree->setFocus();
        tree->setCurrentItem(artist);
        QTest::keyClick(tree, Qt::Key_Return);
        QCOMPARE(SongWindowCount(program), 0);
        artist->setExpanded(true);
        QCOMPARE(ChildTexts(artist), (QStringList{"Dal", "Dal"}));
        // Each node carries its own song, whatever its title.
        QStringList texts;
        for (int index = 0; index < 2; ++index) {
            tree->setFocus();
            tree->setCurrentItem(artist->child(index));
            QTest::keyClick(tree, Qt::Key_Return);
            texts << ActiveSongWindow->RichEdit->toPlainText();
        }
        QCOMPARE(SongWindowCount(program), 2);
        QVERIFY(texts[0].contains("második") != texts[1].contains("második"));

        tree->setFocus();
        tree->setCurrentItem(artist->child(0));
        tree->scrollToItem(artist->child(0));
        const QRect row = tree->visualItemRect(artist->child(0));
        DoubleClick(tree, row.center());
        QCOMPARE(SongWindowCount(program), 3);
        tree->setCurrentItem(artist);
        DoubleClick(tree, tree->visualItemRect(artist).center());
        QCOMPARE(SongWindowCount(program), 3);
        QVERIFY(!artist->isExpanded()); // the tree's own answer to a double-click on an artist
    }

    void showsTextsCutOffByTheEdgeInAToolTip() {
        TProgram program(TLibraryFiles{{"1.txt", {".artist Rövid"}}, {"2.txt", {".artist " + std::string(80, 'W')}}});
        program.Start();
        QTreeWidget* tree = program.List->SongList;
        const auto toolTipAt = [tree](const QString& artist) {
            const QPoint point = tree->visualItemRect(tree->findItems(artist, Qt::MatchExactly).value(0)).center();
            QHelpEvent help(QEvent::ToolTip, point, tree->viewport()->mapToGlobal(point));
            QApplication::sendEvent(tree->viewport(), &help);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        QCOMPARE(toolTipAt("Rövid"), QString());
        QCOMPARE(toolTipAt(QString(80, 'W')), QString(80, 'W'));
    }

    // The row with the focus frame is the one commands act on, from the start.
    void theFirstArtistIsCurrentAndSelectedFromTheStart() {
        TProgram program(TLibraryFiles{{"1.txt", {".artist Zoltán", ".title Dal"}}, {"2.txt", {".artist Ági"}}});
        program.Start();
        QTreeWidget* tree = program.List->SongList;
        QCOMPARE(tree->currentItem(), Artist(program, "Ági"));
        QVERIFY(tree->currentItem()->isSelected());
        tree->setFocus();
        QString title;
        TRichDocument* document = nullptr;
        QVERIFY(program.Main->GetCurrentDocument(title, document));
        QCOMPARE(title, QString("Ági"));

        QTest::keyClick(tree, Qt::Key_Down);
        QCOMPARE(tree->selectedItems(), QList<QTreeWidgetItem*>{Artist(program, "Zoltán")});
        QTest::keyClick(tree, Qt::Key_Space, Qt::ControlModifier); // would clear the selection
        QCOMPARE(tree->selectedItems(), QList<QTreeWidgetItem*>{tree->currentItem()});
    }

    // What was open and selected comes back on the artists still there; of
    // an artist named twice, on the first node of the name.
    void restoresWhatWasOpenAndSelectedOnTheFirstNodeOfEachName_data() {
        QTest::addColumn<QStringList>("expanded");
        QTest::addColumn<QString>("artist"); // selected; none when empty
        QTest::addColumn<QString>("song");   // selected; none when empty
        QTest::addColumn<QList<int>>("openRows");
        QTest::addColumn<QString>("current"); // row, or row/child
        const auto row = [](const char* name, const QStringList& expanded, const QString& artist, const QString& song,
                            const QList<int>& openRows, const QString& current) {
            QTest::newRow(name) << expanded << artist << song << openRows << current;
        };
        row("nothing", {}, "", "", {}, "0");
        row("a name open twice", {"Alma", "Alma"}, "", "", {0}, "0");
        row("a name of two artists, and another", {"Alma", "Körte"}, "", "", {0, 2}, "0");
        row("an artist gone", {"Nincs", "Körte"}, "Nincs", "", {2}, "0");
        row("an artist", {}, "Körte", "", {}, "2");
        row("a song of the first of a name", {"Alma"}, "Alma", "Első", {0}, "0/0");
        row("a song of the second of a name", {"Alma"}, "Alma", "Második", {0}, "0");
        row("a song open", {"Körte"}, "Körte", "Harmadik", {2}, "2/0");
    }

    void restoresWhatWasOpenAndSelectedOnTheFirstNodeOfEachName() {
        QFETCH(QStringList, expanded);
        QFETCH(QString, artist);
        QFETCH(QString, song);
        QFETCH(QList<int>, openRows);
        QFETCH(QString, current);
        TProgram program({
            {"1.txt", {".artist Alma", ".title Első"}},
            {"2.txt", {".artist Alma", ".title Második"}},
            {"3.txt", {".artist Körte", ".title Harmadik"}},
        });
        program.Start();
        QTreeWidget* tree = program.List->SongList;
        tree->topLevelItem(1)->setExpanded(true);
        tree->setCurrentItem(tree->topLevelItem(1)->child(0));
        const TTreeState before = program.List->ForgetLibrary();
        QCOMPARE(before.Expanded, QStringList{"Alma"});
        QCOMPARE(before.SelectedSong, QString("Második"));
        program.List->ShowLibrary(Artists.get(), {expanded, artist.isEmpty() ? std::nullopt : std::optional(artist),
                                                  song.isEmpty() ? std::nullopt : std::optional(song)});
        for (int row = 0; row < tree->topLevelItemCount(); ++row)
            QCOMPARE(tree->topLevelItem(row)->isExpanded(), openRows.contains(row));
        const QTreeWidgetItem* selected = tree->currentItem();
        const QTreeWidgetItem* selectedArtist = selected->parent() ? selected->parent() : selected;
        QString place = QString::number(tree->indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(selectedArtist)));
        if (selected->parent())
            place += "/" + QString::number(selected->parent()->indexOfChild(const_cast<QTreeWidgetItem*>(selected)));
        QCOMPARE(place, current);
        QVERIFY(selected->isSelected());
    }

    void anEmptyLibraryGivesAnEmptyTreeThatOpensNothing() {
        TProgram program(TLibraryFiles{});
        program.Start();
        QCOMPARE(program.List->SongList->topLevelItemCount(), 0);
        program.List->SongList->setFocus();
        QTest::keyClick(program.List->SongList, Qt::Key_Return);
        QCOMPARE(SongWindowCount(program), 0);
    }

    void sitsAtTheTopLeftSizedByTheWorkspaceAndRefusesToClose() {
        TProgram program(TLibraryFiles{});
        program.Start(QSize(804, 500));
        QCOMPARE(program.Main->WorkspaceSize(), QSize(804, 500));
        QCOMPARE(program.List->geometry(), QRect(0, 0, 200, 496));
        QVERIFY(!program.List->close());
        QVERIFY(program.List->isVisible());
        program.List->resize(333, 222);
        // The tree fills the window below the search field, and follows every resize.
        QApplication::processEvents();
        const QRect tree(program.List->SongList->mapTo(program.List, QPoint(0, 0)), program.List->SongList->size());
        const QRect client = program.List->contentsRect();
        QCOMPARE(tree.left(), client.left());
        QCOMPARE(tree.right(), client.right());
        QCOMPARE(tree.bottom(), client.bottom());
        QVERIFY(tree.top() > program.List->SearchField->mapTo(program.List, QPoint(0, 0)).y());
    }
};

VIVIRA_TEST_MAIN(TestListWindow)
#include "tst_listwindow.moc"
