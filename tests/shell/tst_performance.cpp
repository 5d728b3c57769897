#include "library/loader.h"
#include "print/qtcolor.h"
#include "print/stagescheme.h"
#include "qtbridge/qttext.h"
#include "render/paragraphwalk.h"
#include "settings/preferences.h"
#include "shell/application.h"
#include "shell/mainwindow.h"
#include "shell/performanceview.h"
#include "shell/songwindow.h"
#include "tests/shell/programfixture.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QWheelEvent>
#include <iostream>
#include <utility>

namespace {

// Fifteen verses of four chord and text pairs each.
std::vector<std::string> LongSong() {
    std::vector<std::string> lines = {".title Hosszú"};
    for (int verse = 1; verse <= 15; ++verse) {
        lines.push_back(".defverse");
        for (const char* words : {"Hosszú az út", "de megyünk tovább", "szól a gitár", "a húr remeg"}) {
            lines.push_back("Am      G      C");
            lines.push_back(std::to_string(verse) + ". " + words);
        }
    }
    return lines;
}

TLibraryFiles Library() {
    std::vector<std::string> lines = {".artist Zenekar", ".title Hungarian", ".defverse", "H       E",
                                      "Hej, Bodri",      ".title Rövid",     ".verse",    "egy sor"};
    const std::vector<std::string> more = LongSong();
    lines.insert(lines.end(), more.begin(), more.end());
    return {{"a.txt", lines}};
}

TPerformanceView* OpenView(TSongWindow* window) {
    window->RichEdit->setFocus();
    QTest::keyClick(window->RichEdit, Qt::Key_F11);
    return window->findChild<TPerformanceView*>();
}

const TSong& SongOf(const char* title) {
    for (const TSong* song = Artists->FirstSong.get(); song; song = song->Next.get()) {
        if (FromAnsi(song->Title) == QString(title))
            return *song;
    }
    throw std::logic_error(std::string("no song ") + title);
}

// The text of the document's paragraphs, each as UTF-8.
QStringList Paragraphs(const TRichDocument& document) {
    QStringList paragraphs;
    ForEachParagraph(document, [&](const TParagraphRuns& paragraph) {
        QString text;
        for (const TTextRun& run : paragraph.Runs)
            text += FromAnsi(run.Text);
        paragraphs << text;
    });
    return paragraphs;
}

// The view of songs of the program's library, as a set list would open it.
class TSequence {
public:
    TSequence(TProgram& program, const std::vector<const char*>& titles, std::size_t start)
        : m_preferences(OpenSettings(SettingsRoot, "test", std::cerr), ScreenPixelsPerInch, m_fonts, m_sizeStep) {
        for (TStyleSlot slot = 0; slot < StyleSlot::Count; ++slot)
            m_fonts[static_cast<std::size_t>(slot)] = DefaultFont(slot);
        std::vector<TShiftedSong> songs;
        for (const char* title : titles)
            songs.push_back({&SongOf(title), {}});
        View = new TPerformanceView(songs, start, {m_fonts, ScreenPixelsPerInch, 0, WindowColor, TNotation::Hungarian},
                                    m_preferences, program.Main);
    }
    ~TSequence() { delete View.data(); }
    TSequence(const TSequence&) = delete;
    TSequence& operator=(const TSequence&) = delete;

    QPointer<TPerformanceView> View;

private:
    TStyleFonts m_fonts;
    int m_sizeStep = 0;
    TPreferences m_preferences;
};

} // namespace

class TestPerformance : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { VerifyNothingLeft(); }

    // F11 shows the song full screen, shifted as its window shows it; Escape
    // or F11 give the song window the keyboard back.
    void f11ShowsTheSongFullScreenAndEscapeOrF11Returns_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Escape") << int(Qt::Key_Escape);
        QTest::newRow("F11") << int(Qt::Key_F11);
    }
    void f11ShowsTheSongFullScreenAndEscapeOrF11Returns() {
        QFETCH(int, key);
        TProgram program(Library());
        program.Start();
        TSongWindow* window = program.OpenSong("Zenekar", "Hungarian");
        QTest::keyClick(window->RichEdit, Qt::Key_Up, Qt::ControlModifier);
        QPointer<TPerformanceView> view = OpenView(window);
        QVERIFY(view);
        QVERIFY(view->isFullScreen());
        QCOMPARE(view->geometry(), window->screen()->geometry());
        QVERIFY(QTest::qWaitForWindowActive(view));
        QCOMPARE(view->windowTitle(), QString("Zenekar - Hungarian (+1)"));
        QVERIFY(Paragraphs(view->Document()).contains("C       F"));
        QTest::keyClick(view, Qt::Key(key));
        QTRY_VERIFY(!view);
        QTRY_VERIFY(program.Main->isActiveWindow());
        QCOMPARE(ActiveSongWindow, window);
        QVERIFY(window->isAncestorOf(QApplication::focusWidget()));
    }

    void theContextMenuOpensItToo() {
        TProgram program(Library());
        program.Start();
        TSongWindow* window = program.OpenSong("Zenekar", "Rövid");
        QAction* chosen = nullptr;
        QTimer::singleShot(0, window, [&chosen] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            for (QAction* action : menu ? menu->actions() : QList<QAction*>()) {
                if (action->text() == "Előadói nézet")
                    chosen = action;
            }
            if (menu)
                menu->close();
        });
        emit window->RichEdit->customContextMenuRequested(QPoint(5, 5));
        QVERIFY(chosen);
        QCOMPARE(chosen->shortcut(), QKeySequence(Qt::Key_F11));
        Click(chosen);
        QTRY_VERIFY(window->findChild<TPerformanceView*>());
    }

    // The keys of foot pedals turn a screenful forward and back, each to a page's start.
    void pedalKeysTurnThePages_data() {
        QTest::addColumn<int>("forward");
        QTest::addColumn<int>("back");
        QTest::newRow("Page Down, Page Up") << int(Qt::Key_PageDown) << int(Qt::Key_PageUp);
        QTest::newRow("Space, Left") << int(Qt::Key_Space) << int(Qt::Key_Left);
        QTest::newRow("Right, Up") << int(Qt::Key_Right) << int(Qt::Key_Up);
        QTest::newRow("Down, Page Up") << int(Qt::Key_Down) << int(Qt::Key_PageUp);
    }
    void pedalKeysTurnThePages() {
        QFETCH(int, forward);
        QFETCH(int, back);
        TProgram program(Library());
        program.Start();
        TPerformanceView* view = OpenView(program.OpenSong("Zenekar", "Hosszú"));
        const std::vector<TStagePage>& pages = view->Layout().Pages();
        QVERIFY(pages.size() > 2);
        for (std::size_t page = 1; page < pages.size(); ++page) {
            QTest::keyClick(view, Qt::Key(forward));
            QCOMPARE(view->Position(), double(pages[page].Begin));
        }
        QTest::keyClick(view, Qt::Key(forward));
        QCOMPARE(view->Position(), double(pages.back().Begin)); // the last stays
        for (std::size_t page = pages.size() - 1; page-- > 0;) {
            QTest::keyClick(view, Qt::Key(back));
            QCOMPARE(view->Position(), double(pages[page].Begin));
        }
        QTest::keyClick(view, Qt::Key_End);
        QCOMPARE(view->Position(), double(pages.back().Begin));
        QTest::keyClick(view, Qt::Key_Home);
        QCOMPARE(view->Position(), 0.0);
        view->close();
    }

    // A click or a tap on the left third turns back, elsewhere forward; the
    // wheel turns a screenful a notch, however finely it reports the notch.
    void clicksAndTheWheelTurnThePages() {
        TProgram program(Library());
        program.Start();
        TPerformanceView* view = OpenView(program.OpenSong("Zenekar", "Hosszú"));
        const std::vector<TStagePage>& pages = view->Layout().Pages();
        QVERIFY(pages.size() > 3);
        const auto page = [&](std::size_t index) { return double(pages[index].Begin); };
        const int middle = view->height() / 2;
        const auto click = [&](Qt::MouseButton button, int x) { QTest::mouseClick(view, button, {}, {x, middle}); };
        click(Qt::LeftButton, view->width() - 5);
        QCOMPARE(view->Position(), page(1));
        click(Qt::LeftButton, view->width() / 3 + 5);
        QCOMPARE(view->Position(), page(2));
        click(Qt::LeftButton, view->width() / 3 - 5);
        QCOMPARE(view->Position(), page(1));
        click(Qt::ForwardButton, 5);
        QCOMPARE(view->Position(), page(2));
        click(Qt::BackButton, view->width() - 5);
        QCOMPARE(view->Position(), page(1));
        click(Qt::MiddleButton, view->width() - 5);
        QCOMPARE(view->Position(), page(1));

        const auto wheel = [&](int delta) {
            QWheelEvent event(QPointF(view->width() / 2, middle), view->mapToGlobal(QPointF(view->width() / 2, middle)),
                              {}, {0, delta}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(view, &event);
        };
        wheel(-120);
        QCOMPARE(view->Position(), page(2));
        wheel(-40);
        wheel(-40);
        QCOMPARE(view->Position(), page(2));
        wheel(-40);
        QCOMPARE(view->Position(), page(3));
        wheel(240);
        QCOMPARE(view->Position(), page(1));
        view->close();
    }

    // The pointer leaves the text while the mouse is still, and comes back when it moves.
    void theMousePointerHidesWhileTheMouseIsStill() {
        TProgram program(Library());
        program.Start();
        const int usual = std::exchange(TPerformanceView::HideCursorAfterMilliseconds, 500);
        TPerformanceView* view = OpenView(program.OpenSong("Zenekar", "Hosszú"));
        TPerformanceView::HideCursorAfterMilliseconds = usual;
        QTRY_COMPARE(view->cursor().shape(), Qt::BlankCursor);
        const QPointF middle(view->width() / 2, view->height() / 2);
        QMouseEvent move(QEvent::MouseMove, middle, view->mapToGlobal(middle), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(view, &move);
        QCOMPARE(view->cursor().shape(), Qt::ArrowCursor);
        QTRY_COMPARE(view->cursor().shape(), Qt::BlankCursor);
        view->close();
    }

    // On a wide screen the long song takes two columns, no chord line at the
    // foot of one; on a tall one, and for a short song, one column.
    void aLongSongOnAWideScreenTakesTwoColumnsWithoutPartingAPair() {
        TProgram program(Library());
        program.Start();
        TPerformanceView* view = OpenView(program.OpenSong("Zenekar", "Hosszú"));
        view->showNormal();
        view->resize(600, 900);
        QCOMPARE(view->Layout().Fit().Columns, 1);
        view->resize(1200, 700);
        QCOMPARE(view->Layout().Fit().Columns, 2);
        const std::vector<TStageLine>& lines = view->Layout().Lines();
        for (const TStagePage& page : view->Layout().Pages()) {
            QVERIFY(page.ColumnEnd > page.Begin);
            QVERIFY(!lines[page.ColumnEnd - 1].TiedToNext());
            QVERIFY(!lines[page.End - 1].TiedToNext());
        }
        TPerformanceView* shortView = OpenView(program.OpenSong("Zenekar", "Rövid"));
        shortView->showNormal();
        shortView->resize(1200, 700);
        QCOMPARE(shortView->Layout().Fit().Columns, 1);
        QCOMPARE(shortView->Layout().Pages().size(), std::size_t(1));
        shortView->close();
        view->close();
    }

    // A scrolls the song by itself, at the song's speed; a key held down
    // holds it; it stops where the end is in view.
    void autoScrollMovesPausesWhileAKeyIsHeldAndStopsAtTheEnd() {
        TProgram program(Library());
        program.Start();
        TPerformanceView* view = OpenView(program.OpenSong("Zenekar", "Hosszú"));
        QCOMPARE(view->Speed(), 12);
        QTest::keyClick(view, Qt::Key_A);
        QVERIFY(view->Scrolling());
        QTRY_VERIFY(view->Position() > 0); // the view's own timer moves it
        const double start = view->Position();
        view->AdvanceScroll(std::chrono::seconds(10));
        QCOMPARE(view->Position(), start + 2); // 12 lines a minute
        QTest::keyPress(view, Qt::Key_Shift);
        view->AdvanceScroll(std::chrono::seconds(10));
        QCOMPARE(view->Position(), start + 2);
        QTest::keyRelease(view, Qt::Key_Shift);
        view->AdvanceScroll(std::chrono::seconds(5));
        QCOMPARE(view->Position(), start + 3);
        view->AdvanceScroll(std::chrono::minutes(30));
        QCOMPARE(view->Position(), view->Layout().LastPosition());
        QVERIFY(!view->Scrolling());
        QTest::keyClick(view, Qt::Key_A);
        QVERIFY(!view->Scrolling()); // nothing left to scroll
        QTest::keyClick(view, Qt::Key_Home);
        QTest::keyClick(view, Qt::Key_A);
        QVERIFY(view->Scrolling());
        QTest::keyClick(view, Qt::Key_A);
        QVERIFY(!view->Scrolling());
        view->close();
    }

    // + and - change the speed of the song shown, which comes back with it.
    void theSpeedIsRememberedForEachSong() {
        TProgram program(Library());
        program.Start();
        TSongWindow* window = program.OpenSong("Zenekar", "Hosszú");
        TPerformanceView* view = OpenView(window);
        for (int key : {Qt::Key_Plus, Qt::Key_Plus, Qt::Key_Plus, Qt::Key_Minus})
            QTest::keyClick(view, Qt::Key(key));
        QCOMPARE(view->Speed(), 14);
        QVERIFY(QString::fromStdString(program.SettingsFileText()).contains("a.txt|Hossz"));
        view->close();
        QCOMPARE(OpenView(window)->Speed(), 14);
        QCOMPARE(OpenView(program.OpenSong("Zenekar", "Rövid"))->Speed(), 12);
    }

    // D shows light text on a dark background, the chords in their own
    // colour; the choice is remembered for the next view.
    void dIsTheDarkSchemeAndItIsRemembered() {
        TProgram program(Library());
        program.Start();
        TSongWindow* window = program.OpenSong("Zenekar", "Hungarian");
        TPerformanceView* view = OpenView(window);
        QVERIFY(!view->Dark());
        QCOMPARE(view->grab().toImage().pixelColor(2, 2), ToQColor(WindowColor));
        QTest::keyClick(view, Qt::Key_D);
        QVERIFY(view->Dark());
        QCOMPARE(view->grab().toImage().pixelColor(2, 2), ToQColor(DarkStageScheme.Background));
        bool chordsSeen = false;
        for (const TFormatRun& run : view->Document().Runs()) {
            QVERIFY(!run.Format.AutomaticColor);
            QVERIFY(run.Format.Rgb == DarkStageScheme.Text || run.Format.Rgb == DarkStageScheme.Chords);
            chordsSeen |= run.Format.Rgb == DarkStageScheme.Chords;
        }
        QVERIFY(chordsSeen);
        QVERIFY(QString::fromStdString(program.SettingsFileText()).contains("\"Dark\"=\"1\""));
        view->close();
        QVERIFY(OpenView(window)->Dark());
    }

    // Alt+Page Down and Alt+Page Up go from song to song; the last screenful
    // of a song with one after it names that one.
    void altPageKeysGoFromSongToSong() {
        TProgram program(Library());
        program.Start();
        TSequence sequence(program, {"Rövid", "Hosszú", "Hungarian"}, 1);
        TPerformanceView* view = sequence.View;
        QCOMPARE(view->SongIndex(), std::size_t(1));
        QCOMPARE(view->windowTitle(), QString("Zenekar - Hosszú"));
        QCOMPARE(view->NextSongNote(), QString());
        QTest::keyClick(view, Qt::Key_End);
        QCOMPARE(view->NextSongNote(), QString("Következik: Zenekar - Hungarian"));
        QTest::keyClick(view, Qt::Key_PageDown, Qt::AltModifier);
        QCOMPARE(view->SongIndex(), std::size_t(2));
        QCOMPARE(view->Position(), 0.0);
        QCOMPARE(view->NextSongNote(), QString()); // the last song
        QTest::keyClick(view, Qt::Key_PageDown, Qt::AltModifier);
        QCOMPARE(view->SongIndex(), std::size_t(2));
        for (std::size_t index : {1, 0, 0}) {
            QTest::keyClick(view, Qt::Key_PageUp, Qt::AltModifier);
            QCOMPARE(view->SongIndex(), index);
        }
        QCOMPARE(view->windowTitle(), QString("Zenekar - Rövid"));
        QCOMPARE(view->NextSongNote(), QString("Következik: Zenekar - Hosszú")); // all on one screen
    }
};

VIVIRA_TEST_MAIN(TestPerformance)
#include "tst_performance.moc"
