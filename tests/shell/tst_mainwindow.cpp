#include "library/loader.h"
#include "print/qtcolor.h"
#include "qtbridge/qttext.h"
#include "render/styleslots.h"
#include "shell/aboutbox.h"
#include "shell/application.h"
#include "shell/fontcolordialog.h"
#include "shell/listwindow.h"
#include "shell/loadstatus.h"
#include "shell/mainwindow.h"
#include "shell/songwindow.h"
#include "tests/shell/programfixture.h"

#include <QActionGroup>
#include <QColorDialog>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>
#include <QTreeWidget>
#include <QWindow>
#include <filesystem>
#include <tuple>

namespace {

using namespace std::string_literals;

// What the load-status dialog's file label showed each time it was really
// drawn: a widget of a window that is not exposed yet is not.
class TLabelPaints : public QObject {
public:
    TLabelPaints() { qApp->installEventFilter(this); }
    ~TLabelPaints() override { qApp->removeEventFilter(this); }

    QStringList Shown;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->objectName() == "FileName")
            Shown << static_cast<QLabel*>(watched)->text();
        return false;
    }
};

// What the window system shows of the load-status dialog each time the
// event loop runs during the load (as it does when the dialog is drawn): a
// grab of its window, not a rendering of the widget, so a dialog the
// system never got drawn grabs black.
class TLoadStatusGrabs {
public:
    TLoadStatusGrabs() {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { Grab(); });
        m_timer.start(0);
    }

    QImage LastWithAFile; // the last grab while the label named a song file
    QRect FileNameArea;
    QColor Face;

private:
    void Grab() {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* status = qobject_cast<TLoadStatus*>(widget);
            if (!status || !status->isVisible() || !status->windowHandle() || !status->windowHandle()->isExposed() ||
                !status->FileName->text().endsWith(".txt"))
                continue;
            LastWithAFile = status->screen()->grabWindow(status->winId()).toImage();
            FileNameArea = status->FileName->geometry();
            Face = status->palette().color(QPalette::Window);
        }
    }

    QTimer m_timer;
};

// How many pixels of the area differ from the colour.
int PixelsOtherThan(const QImage& image, const QRect& area, const QColor& colour) {
    int other = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            other += image.pixelColor(x, y).rgb() != colour.rgb();
    }
    return other;
}

const TLibraryFiles Library = {
    {"a.txt", {".artist Őszi Zenekar", ".title Első", ".verse", "ősz van", ".title Második", ".chords", "Am G"}},
};

const std::string Header = "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Cantorix]\r\n";

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The menus as an outline: an entry a line, indented under its menu.
QString MenuOutline(const QList<QAction*>& actions, const QString& indent) {
    QString outline;
    for (const QAction* action : actions) {
        if (action->isSeparator()) {
            outline += indent + "-\n";
            continue;
        }
        const QString name = action->menu() ? action->menu()->objectName() : action->objectName();
        outline += indent + name + " " + action->text() + (action->icon().isNull() ? "" : " *") + "\n";
        if (action->menu())
            outline += MenuOutline(action->menu()->actions(), indent + "  ");
    }
    return outline;
}

// The pictures of the menus' entries, each as its 16-pixel image.
void CollectImages(const QList<QAction*>& actions, QSet<QByteArray>& images) {
    for (const QAction* action : actions) {
        if (!action->icon().isNull()) {
            const QImage image = action->icon().pixmap(16, 16).toImage();
            images.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
        }
        if (action->menu())
            CollectImages(action->menu()->actions(), images);
    }
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { VerifyNothingLeft(); }

    // The whole menu bar, top to bottom, as the program's design gives it:
    // name, caption, and "*" where the entry shows an image.
    void firstRunUsesTheDefaultsAndShowsTheWholeMenu() {
        TProgram program(Library);
        program.Start();
        TMainWindow* main = program.Main;
        QCOMPARE(main->windowTitle(), QString("Vivira redir"));
        QCOMPARE(MenuOutline(main->menuBar()->actions(), ""), QString(R"(m_File &Fájl
  SaveRTF Mentés... *
  CopyRTF Másolás *
  -
  m_PageSetup Oldalbeállítás... *
  m_PrinterSetup Nyomtató beállítása... *
  m_Print Nyomtatás... *
  m_PrintPreview Nyomtatási kép... *
  OpenLibrary Dalkönyvtár megnyitása... *
  -
  m_Exit &Bezárás *
  -
  ShowSetList &Műsor
m_Setting &Beállítások
  m_Fonts &Betűk *
    m_Normal &Normál szöveg...
    m_Verse &Dalszöveg...
    m_Chords &Kíséret...
    m_Tab &Tabulatúra...
    m_Title &Cím...
    m_Authors &Szerzők...
  m_Size Betű&méret *
    m_Size1 Legkisebb
    m_Size2 Kisebb
    m_Size3 Közepes
    m_Size4 Nagyobb
    m_Size5 Legnagyobb
  -
  m_Background Háttérszín... *
  DefaultBackground Alapértelmezett háttérszín *
  -
  Notation &Hangjegyírás
    NotationHungarian Magyar (H, B)
    NotationEnglish Angol (B, Bb)
m_About Névjegy
)"));
        // Ten images, one for each role, and the library command's open
        // folder: no two entries show the same picture.
        QSet<QByteArray> images;
        CollectImages(main->menuBar()->actions(), images);
        QCOMPARE(images.size(), 11);
        // The size items are one radio group, "Közepes" marked.
        const QList<QAction*> sizes = program.Menu("m_Size")->actions();
        QVERIFY(sizes[0]->actionGroup() && sizes[0]->actionGroup()->actions() == sizes);
        for (QAction* item : sizes)
            QCOMPARE(item->isChecked(), item->objectName() == "m_Size3");
        QCOMPARE(main->BackgroundColor(), WindowColor);
        QCOMPARE(main->PageMargins(), TPageMargins{});
        // The default fonts: face, points, bold and italic.
        const std::tuple<const char*, int, bool, bool> fonts[] = {
            {"Courier New", 9, false, false}, {"Courier New", 9, true, false},      {"Courier New", 9, false, true},
            {"Courier New", 8, true, false},  {"Times New Roman", 24, true, false}, {"Times New Roman", 9, false, true},
        };
        for (TStyleSlot slot = 0; slot < StyleSlot::Count; ++slot) {
            const TFont& font = StyleFonts[static_cast<std::size_t>(slot)];
            const auto& [face, points, bold, italic] = fonts[slot];
            QCOMPARE(font.Name, std::string(face));
            QCOMPARE(font.Size(ScreenPixelsPerInch), points);
            QCOMPARE(bool(font.Style & FontStyle::Bold), bold);
            QCOMPARE(bool(font.Style & FontStyle::Italic), italic);
            QCOMPARE(font.Charset, 238);
        }
        QVERIFY(!main->findChild<TLoadStatus*>()); // shown while loading, gone now
        QCOMPARE(program.SettingsFileText(), Header);
    }

    void aStoredStepOutsideTheMenuMarksNoneUntilOneIsChosen() {
        TProgram program(Library, Header + "\r\n[HKEY_CURRENT_USER\\Software\\Cantorix\\Fonts]\r\n\"Size\"=\"3\"\r\n");
        program.Start();
        QCOMPARE(SizeStep, 3);
        for (QAction* item : {program.Action("m_Size1"), program.Action("m_Size2"), program.Action("m_Size3"),
                              program.Action("m_Size4"), program.Action("m_Size5")})
            QVERIFY(!item->isChecked());
        TSongWindow* open = program.OpenSong("Őszi Zenekar", "Első");
        QVERIFY(open);
        const qreal before = open->RichEdit->document()->firstBlock().next().charFormat().fontPointSize();
        Click(program.Action("m_Size1"));
        QVERIFY(program.Action("m_Size1")->isChecked());
        QCOMPARE(SizeStep, -2);
        QVERIFY(Contains(program.SettingsFileText(), "\"Size\"=\"-2\""));
        // The step zooms open windows at once: 1.2^2 (the stored 3 zoomed as far as 2) down to 1.2^-2.
        const qreal after = open->RichEdit->document()->firstBlock().next().charFormat().fontPointSize();
        QCOMPARE(qRound(before / after * 1000), qRound(1.2 * 1.2 * 1.2 * 1.2 * 1000));
    }

    void aStoredEmptyTypefaceKeepsTheNewFontsOwn() {
        TProgram program(Library,
                         Header + "\r\n[HKEY_CURRENT_USER\\Software\\Cantorix\\Fonts\\Tab]\r\n\"Name\"=\"\"\r\n");
        program.Start();
        QCOMPARE(StyleFonts[StyleSlot::Tab].Name, std::string("MS Sans Serif"));
        QCOMPARE(StyleFonts[StyleSlot::Tab].Size(ScreenPixelsPerInch), DefaultSize(StyleSlot::Tab));
        QCOMPARE(StyleFonts[StyleSlot::Normal].Name, DefaultName(StyleSlot::Normal));
    }

    void aFontConfirmedUnchangedStaysTheSameFont() {
        TProgram program(Library);
        program.Start();
        for (QAction* item : program.Menu("m_Fonts")->actions()) {
            QString shown;
            const TAnswerModal answer([&shown](QWidget* modal) {
                auto* dialog = qobject_cast<TFontColorDialog*>(modal);
                shown = dialog->FontPart->currentFont().family();
                dialog->accept();
            });
            Click(item);
            QVERIFY2(!shown.isEmpty(), qPrintable(item->objectName()));
        }
        // Shown as the fonts that draw them (e.g. Liberation Mono), kept under their own names.
        for (TStyleSlot slot = 0; slot < StyleSlot::Count; ++slot)
            QCOMPARE(StyleFonts[static_cast<std::size_t>(slot)], DefaultFont(slot));
    }

    // The dialog names the style it sets, and shows its sample in the font's colour.
    void theFontDialogNamesItsStyleAndShowsTheColour() {
        TProgram program(Library);
        program.Start();
        StyleFonts[StyleSlot::Verse].Color = RgbColor(200, 0, 0);
        QString title;
        QColor sample;
        const TAnswerModal answer([&](QWidget* modal) {
            auto* dialog = qobject_cast<TFontColorDialog*>(modal);
            QVERIFY(dialog);
            title = dialog->windowTitle();
            for (QLineEdit* edit : dialog->FontPart->findChildren<QLineEdit*>()) {
                if (edit->parentWidget()->inherits("QGroupBox")) // the sample, below the choices
                    sample = edit->palette().color(QPalette::Text);
            }
            dialog->reject();
        });
        Click(program.Action("m_Verse"));
        QCOMPARE(title, QString("Betűtípus – Dalszöveg"));
        QCOMPARE(sample, QColor(200, 0, 0));
    }

    void aCancelledFontDialogKeepsTheFontAndWritesIt() {
        TProgram program(Library);
        program.Start();
        const TAnswerModal answer1([](QWidget* modal) {
            auto* dialog = qobject_cast<TFontColorDialog*>(modal);
            QVERIFY(dialog);
            dialog->FontPart->setCurrentFont(QFont("Liberation Mono", 30)); // changed, then cancelled
            dialog->reject();
        });
        Click(program.Action("m_Title"));
        QCOMPARE(StyleFonts[StyleSlot::Title], DefaultFont(StyleSlot::Title));
        QVERIFY(Contains(program.SettingsFileText(),
                         "[HKEY_CURRENT_USER\\Software\\Cantorix\\Fonts\\Title]\r\n\"Charset\"=\"238\"\r\n\"Color\"="
                         "\"-2147483640\"\r\n\"Height\"=\"-32\"\r\n\"Name\"=\"Times New Roman\"\r\n\"Pitch\"=\"0\"\r\n"
                         "\"Size\"=\"24\"\r\n\"Style\"=\"1\"\r\n"));
    }

    void aChosenFontAndBackgroundReachOnlyWindowsOpenedAfterwards() {
        TProgram program(Library);
        program.Start();
        TSongWindow* before = program.OpenSong("Őszi Zenekar", "Második");
        const TAnswerModal answer2([](QWidget* modal) {
            auto* dialog = qobject_cast<TFontColorDialog*>(modal);
            QFont font("Liberation Serif", 14);
            font.setStrikeOut(true);
            dialog->FontPart->setCurrentFont(font);
            dialog->accept();
        });
        Click(program.Action("m_Chords"));
        const TAnswerModal answer3([](QWidget* modal) {
            auto* dialog = qobject_cast<QColorDialog*>(modal);
            QVERIFY(dialog);
            dialog->setCurrentColor(QColor(255, 255, 200));
            dialog->accept();
        });
        Click(program.Action("m_Background"));
        QCOMPARE(program.Main->BackgroundColor(), RgbColor(255, 255, 200));
        QVERIFY(Contains(program.SettingsFileText(), "\"Background\"=\"13172735\""));
        TSongWindow* after = program.OpenSong("Őszi Zenekar", "Második");
        QVERIFY(after && after != before);

        const auto chordFormat = [](TSongWindow* window) {
            QTextCursor cursor(window->RichEdit->document());
            cursor.setPosition(window->RichEdit->document()->toPlainText().indexOf("Am G") + 1);
            return cursor.charFormat();
        };
        QCOMPARE(chordFormat(before).fontFamilies().toStringList(), QStringList{"Courier New"});
        QVERIFY(!chordFormat(before).fontStrikeOut());
        QCOMPARE(chordFormat(after).fontFamilies().toStringList(), QStringList{"Liberation Serif"});
        QCOMPARE(chordFormat(after).fontPointSize(), 14.0);
        QVERIFY(chordFormat(after).fontStrikeOut());
        QCOMPARE(before->RichEdit->palette().color(QPalette::Base), QColor(Qt::white));
        QCOMPARE(after->RichEdit->palette().color(QPalette::Base), QColor(255, 255, 200));

        Click(program.Action("DefaultBackground"));
        QCOMPARE(program.Main->BackgroundColor(), WindowColor); // the system colour itself, not its value
        QVERIFY(Contains(program.SettingsFileText(), "\"Background\"=\"-2147483643\""));
    }

    void theAboutBoxClosesWithOkEnterAndItsCloseButtonButNotEscape() {
        TProgram program(Library);
        program.Start();
        for (const char* how : {"enter", "close button", "ok"}) {
            bool escapeKeptItOpen = false;
            const TAnswerModal answer4([&escapeKeptItOpen, how](QWidget* modal) {
                auto* box = qobject_cast<TAboutBox*>(modal);
                QVERIFY(box);
                QCOMPARE(box->windowTitle(), QString("Névjegy"));
                QCOMPARE(box->size(), QSize(169, 173));
                QTest::keyClick(box, Qt::Key_Escape);
                escapeKeptItOpen = box->isVisible();
                if (QString(how) == "enter")
                    QTest::keyClick(box, Qt::Key_Return);
                else if (QString(how) == "ok")
                    QTest::mouseClick(box->Button1, Qt::LeftButton);
                else
                    box->close();
            });
            Click(program.Action("m_About"));
            QVERIFY2(escapeKeptItOpen, how);
        }
    }

    void theFileMenuEndsWithTheOpenWindowsByCaption() {
        TProgram program(Library);
        program.Start();
        program.OpenSong("Őszi Zenekar", "Első");
        program.OpenSong("Őszi Zenekar", "Második");
        emit program.Menu("m_File")->aboutToShow();
        emit program.Menu("m_File")->aboutToShow(); // rebuilt, not added twice
        QStringList captions;
        for (QAction* action : program.Menu("m_File")->actions()) {
            if (action->isCheckable())
                captions << action->text() + (action->isChecked() ? " *" : "");
        }
        QCOMPARE(captions, (QStringList{"&1 Előadók", "&2 Őszi Zenekar - Első", "&3 Őszi Zenekar - Második *"}));
        program.Menu("m_File")->actions().at(program.Menu("m_File")->actions().size() - 2)->trigger();
        QCOMPARE(ActiveSongWindow->windowTitle(), QString("Őszi Zenekar - Első"));
    }

    void closingWritesBothGeometriesAndClosesTheListWindow() {
        TProgram program(Library);
        program.Start();
        program.OpenSong("Őszi Zenekar", "Első");
        program.List->setGeometry(5, 6, 300, 200);
        Click(program.Action("m_Exit"));
        QVERIFY(!program.Main->isVisible());
        QVERIFY(!program.List->isVisible());
        const std::string text = program.SettingsFileText();
        QVERIFY(Contains(text, "[HKEY_CURRENT_USER\\Software\\Cantorix\\Positions\\Main]\r\n\"Top\"="));
        QVERIFY(Contains(text, "[HKEY_CURRENT_USER\\Software\\Cantorix\\Positions\\List]\r\n\"Top\"=\"6\"\r\n"
                               "\"Left\"=\"5\"\r\n\"Width\"=\"300\"\r\n\"Height\"=\"200\"\r\n"));
    }

    void anErrorInAHandlerIsShownAndTheProgramGoesOn() {
        TProgram program(Library);
        program.Start();
        // The settings folder turns into a file: every write fails from now on.
        std::filesystem::remove_all(program.SettingsFile());
        std::filesystem::create_directories(program.SettingsFile() + "/x");
        const QStringList errors = TriggerAnsweringErrors([&] { Click(program.Action("m_Size4")); });
        QCOMPARE(errors, QStringList{"Vivira redir|Failed to create key Fonts: " +
                                     QString::fromStdString(program.SettingsFile()) + ": Is a directory."});
        QCOMPARE(SizeStep, 1); // changed in memory before the write failed
        QVERIFY(program.OpenSong("Őszi Zenekar", "Első"));
    }

    // The dialog is drawn while the files load, not only after they are all read.
    void theLoadStatusIsDrawnWhileTheLibraryLoads() {
        TProgram program(Library);
        const TLabelPaints paints;
        const TLoadStatusGrabs grabs;
        program.Start();
        QVERIFY2(!paints.Shown.isEmpty(), "never drawn");
        QVERIFY2(paints.Shown.last().endsWith(".txt"), qPrintable(paints.Shown.join(", ")));
        const QImage& grab = grabs.LastWithAFile;
        QVERIFY2(!grab.isNull(), "never grabbed while a file was shown");
        const QRect face(0, 0, grab.width(), grabs.FileNameArea.top() / 2); // above both labels
        QCOMPARE(PixelsOtherThan(grab, face, grabs.Face), 0);
        QVERIFY(PixelsOtherThan(grab, grabs.FileNameArea, grabs.Face) > 20); // the path's letters
        QVERIFY(!program.Main->findChild<TLoadStatus*>());
    }

    // Not only on standard error: the user sees it once, with the file's path.
    void aSettingsFileThatCannotBeUsedIsToldOnceAtStart() {
        TProgram damaged(Library, "\x01\x02 nem registry \0"s);
        QStringList boxes = TriggerAnsweringErrors([&] { damaged.Start(); });
        QCOMPARE(boxes.size(), 1);
        QVERIFY2(boxes[0].startsWith("Vivira redir|The settings file " +
                                     QString::fromStdString(damaged.SettingsFile()) + " is damaged"),
                 qPrintable(boxes[0]));
        QVERIFY(boxes[0].contains("kept as " + QString::fromStdString(damaged.SettingsFile()) + ".damaged-"));
        QCOMPARE(damaged.List->SongList->topLevelItemCount(), 1);
    }

    // A new user learns where the songs go, once, without being stopped.
    void anEmptyLibraryTellsWhichFolderWasRead() {
        {
            TProgram program(TLibraryFiles{});
            program.Start();
            auto* notice = program.Main->findChild<QMessageBox*>("EmptyLibraryNotice");
            QVERIFY(notice && notice->isVisible() && !notice->isModal());
            QVERIFY(notice->text().contains(QString::fromStdString(program.DataFolder())));
        }
        TProgram full(Library);
        full.Start();
        QVERIFY(!full.Main->findChild<QMessageBox*>("EmptyLibraryNotice"));
    }

    // An empty tree must mean an empty folder, never one that could not be read.
    void aSongFolderThatCannotBeListedIsReported() {
        TProgram program(TLibraryFiles{});
        std::filesystem::remove_all(program.DataFolder());
        WriteBytes(program.DataFolder(), "not a folder");
        const QStringList errors = TriggerAnsweringErrors([&] { program.Start(); });
        QCOMPARE(errors, QStringList{"Vivira redir|Cannot read the folder " +
                                     QString::fromStdString(program.DataFolder()) + ": Not a directory."});
        QCOMPARE(program.List->SongList->topLevelItemCount(), 0);
    }

    void unreadableSongFilesAreReportedOnceAndTheRestLoads() {
        TProgram program(TLibraryFiles{{"b.txt", {".artist Bé", ".title Dal"}}});
        std::filesystem::create_directory(program.DataFolder() + "/a.txt");
        std::filesystem::create_directory(program.DataFolder() + "/c.txt");
        QStringList errors;
        errors = TriggerAnsweringErrors([&] { program.Start(); });
        QCOMPARE(errors.size(), 1);
        QVERIFY(errors[0].contains("/a.txt: File access denied\n"));
        QVERIFY(errors[0].endsWith("/c.txt: File access denied."));
        QCOMPARE(program.List->SongList->topLevelItemCount(), 1);
        QVERIFY(!program.Main->findChild<TLoadStatus*>());
    }

    void aBadSettingsValueIsReportedAndTheLibraryStillLoads() {
        TProgram program(Library,
                         Header + "\r\n[HKEY_CURRENT_USER\\Software\\Cantorix\\Fonts\\Verse]\r\n\"Color\"=dword:1\r\n");
        const QStringList errors = TriggerAnsweringErrors([&] { program.Start(); });
        QCOMPARE(errors, QStringList{"Vivira redir|Invalid data type for 'Color'"});
        QCOMPARE(program.List->SongList->topLevelItemCount(), 1);
    }
};

VIVIRA_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
