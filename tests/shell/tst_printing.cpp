#include "print/pageprinter.h"
#include "print/paragraphlayout.h"
#include "print/qtcolor.h"
#include "qtbridge/qttext.h"
#include "render/paragraphwalk.h"
#include "render/styleslots.h"
#include "shell/application.h"
#include "shell/listwindow.h"
#include "shell/mainwindow.h"
#include "shell/pagesetupdialog.h"
#include "shell/songwindow.h"
#include "shell/workprogress.h"
#include "tests/shell/programfixture.h"
#include "tests/support/externaltool.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFileDialog>
#include <QMdiArea>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <filesystem>
#include <set>
#include <utility>

namespace {

constexpr double PointsPerMillimetre = 72.0 / 25.4;
constexpr double Tolerance = 0.5 * PointsPerMillimetre;
constexpr double PaperWidth = 210 * PointsPerMillimetre;
constexpr double PaperHeight = 297 * PointsPerMillimetre;
constexpr double PrinterMargin = 10 * PointsPerMillimetre; // the printable area starts here

struct TWord {
    int Page;
    double XMin, YMin, XMax, YMax;
    QString Text;
};

// Where pdftotext, which no one here wrote, finds each word, in points from the paper's top-left.
std::vector<TWord> PdfWords(const std::string& pdf, int& pages) {
    const QString html = QString::fromStdString(RunTool("pdftotext -bbox " + ShellQuoted(pdf) + " -"));
    std::vector<TWord> words;
    pages = 0;
    static const QRegularExpression item(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    for (auto match = item.globalMatch(html); match.hasNext();) {
        const auto found = match.next();
        if (found.captured(0).startsWith("<page"))
            ++pages;
        else
            words.push_back({pages, found.captured(1).toDouble(), found.captured(2).toDouble(),
                             found.captured(3).toDouble(), found.captured(4).toDouble(), found.captured(5)});
    }
    return words;
}

std::vector<std::string> SongLines(int song) {
    std::vector<std::string> lines{".title " + std::to_string(song) + ". dal", ".verse"};
    for (int line = 0; line < 12; ++line)
        lines.push_back("Sor" + std::to_string(song) + "x" + std::to_string(line) + " őszi szél fúj");
    lines.push_back(".normal");
    lines.push_back("Hosszú sor, amely a lap szélén túl érne, ha nem tördelnénk: " + std::string(20, 'w') + " " +
                    std::string(30, 'v') + " " + std::string(40, 'z') + " vége");
    return lines;
}

TLibraryFiles Songbook(int songs = 12) {
    std::vector<std::string> lines{".artist Dalos"};
    for (int song = 1; song <= songs; ++song) {
        const auto more = SongLines(song);
        lines.insert(lines.end(), more.begin(), more.end());
    }
    return {{"a.txt", lines}, {"b.txt", {".artist Üres"}}};
}

// Prints the artist's songbook from the tree into a PDF file, as a user would.
class TPrintRun {
public:
    // Prints at once unless told otherwise.
    explicit TPrintRun(TPageMargins margins, const QString& artist = "Dalos", int songs = 12, bool printNow = true)
        : m_program(Songbook(songs)), m_artist(artist) {
        m_program.Start();
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(QString::fromStdString(m_out / "print.pdf"));
        printer->setPageSize(QPageSize(QPageSize::A4));
        printer->setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
        m_program.Main->ChoosePrinter(std::move(printer));
        if (printNow)
            Print(margins);
    }

    void Print(TPageMargins margins) {
        PrintOnly(margins);
        Words = PdfWords(OutputFile(), Pages);
    }

    void PrintOnly(TPageMargins margins) {
        m_program.Main->PageMargins() = margins;
        OnTheArtist("m_Print");
        Title = m_program.Main->CurrentPrinter().docName();
    }

    // The command run with the artist selected in the focused tree, as a user would.
    void OnTheArtist(const char* action) {
        m_program.Main->activateWindow(); // back from the dialogs of an earlier print
        QVERIFY(QTest::qWaitForWindowActive(m_program.Main));
        QTreeWidget* tree = m_program.List->SongList;
        m_program.Main->Workspace()->setActiveSubWindow(m_program.List);
        tree->setFocus();
        tree->setCurrentItem(tree->findItems(m_artist, Qt::MatchExactly).value(0));
        Click(m_program.Action(action));
    }

    // The page of the first word that starts so.
    int PageOf(const QString& start) const {
        for (const TWord& word : Words) {
            if (word.Text == start)
                return word.Page;
        }
        return 0;
    }

    TProgram& Program() { return m_program; }

    std::string OutputFile() const { return m_program.Main->CurrentPrinter().outputFileName().toStdString(); }
    const TTempDirectory& Folder() const { return m_out; }

    double Min(double TWord::*field) const {
        double least = 1e9;
        for (const TWord& word : Words)
            least = std::min(least, word.*field);
        return least;
    }
    double Max(double TWord::*field) const {
        double most = -1e9;
        for (const TWord& word : Words)
            most = std::max(most, word.*field);
        return most;
    }

    std::vector<TWord> Words;
    int Pages = 0;
    QString Title;

private:
    TTempDirectory m_out;
    TProgram m_program;
    QString m_artist;
};

// Answers what a print asks, from the event loop: each message box with the
// next button given, the file dialog with a file name, and the progress
// dialog (shown or not yet) by cancelling it when told to.
struct TPrintAnswers {
    std::vector<QMessageBox::StandardButton> Buttons;
    QString File = {};
    bool Cancel = false;
    QStringList Asked = {};
};

void Answering(TPrintAnswers& answers, const std::function<void()>& action) {
    QTimer poller;
    QObject::connect(&poller, &QTimer::timeout, [&answers] {
        if (answers.Cancel && answers.Buttons.empty()) { // only once the questions are answered
            if (auto* progress = MainWindow->findChild<QProgressDialog*>("WorkProgress"))
                progress->cancel();
        }
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal); box && !answers.Buttons.empty()) {
            answers.Asked << box->text();
            box->button(answers.Buttons.front())->click();
            answers.Buttons.erase(answers.Buttons.begin());
        } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            dialog->selectFile(answers.File);
            QMetaObject::invokeMethod(dialog, "accept", Qt::DirectConnection);
        }
    });
    poller.start(2);
    action();
}

std::vector<std::string> FolderEntries(const TTempDirectory& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// The height of one line of the document's first format, as printing lays it out.
double LineHeight(const TRichDocument& document, QPaintDevice& device) {
    TTextFormats formats;
    double height = 0;
    ForEachParagraph(document, [&](const TParagraphRuns& paragraph) {
        if (height == 0)
            height = TParagraphLayout(paragraph, device, 1000, formats).LineHeight(0);
    });
    return height;
}

} // namespace

class TestPrinting : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { VerifyNothingLeft(); }

    // A page breaks only where the next line does not fit; the document's
    // closing empty paragraph is no line, so a full last page gets no blank one.
    void breaksPagesOnlyWhereFullAndAddsNoBlankLastPage_data() {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("linesPerPage");
        QTest::addColumn<int>("pages");
        QTest::newRow("fits") << 2 << 3 << 1;
        QTest::newRow("ends exactly at a page's foot") << 6 << 3 << 2;
        QTest::newRow("one more line") << 7 << 3 << 3;
        QTest::newRow("empty") << 0 << 3 << 1;
    }

    void breaksPagesOnlyWhereFullAndAddsNoBlankLastPage() {
        QFETCH(int, lines);
        QFETCH(int, linesPerPage);
        QFETCH(int, pages);
        TRichDocument document(StandardPixelsPerInch);
        for (int line = 0; line < lines; ++line)
            document.AppendLine("sor " + std::to_string(line));
        TTempDirectory folder;
        QPdfWriter pdf(QString::fromStdString(folder / "lap.pdf"));
        const double height = LineHeight(document, pdf);
        document.PrintRect = {0, 0, 1000, static_cast<std::int32_t>(height * linesPerPage + height / 2)};
        int printed = 0;
        QVERIFY(PrintPages(document, pdf, TPageOptions{}, [&](int done, std::size_t) { return (printed = done) > 0; }));
        QCOMPARE(printed, pages);
    }

    // Qt's layout of one long document stops at 2^23 device pixels, about
    // 1,400 songs at 1200 dpi: the page layout must never get near it.
    void aSongbookFarTallerThanTheLayoutLimitPrintsWhole() {
        constexpr int Lines = 6100; // in 72 points: 9.5 million pixels down at 1200 dpi
        TRichDocument document(StandardPixelsPerInch);
        document.SetSelectionAttribute(TFontAttribute::Size, std::int64_t{72});
        for (int line = 0; line < Lines; ++line)
            document.AppendLine("L" + std::to_string(line));
        TTempDirectory folder;
        QPdfWriter pdf(QString::fromStdString(folder / "hosszú.pdf"));
        pdf.setResolution(1200);
        QVERIFY(PrintPages(document, pdf, TPageOptions{}, [](int, std::size_t) { return true; }));
        int pages = 0;
        std::set<QString> words;
        for (const TWord& word : PdfWords(folder / "hosszú.pdf", pages))
            QVERIFY2(words.insert(word.Text).second, qPrintable(word.Text)); // each line exactly once
        QCOMPARE(words.size(), std::size_t{Lines});
        QVERIFY2(pages > Lines / 12, qPrintable(QString::number(pages)));
    }

    void printsASongbookInsideTheMarginsBreakingOnlyFullPages() {
        const TPrintRun run({20, 20, 20, 20});
        QCOMPARE(run.Title, QString("Dalos"));
        QVERIFY(run.Pages >= 3);
        const double left = PrinterMargin + 20 * PointsPerMillimetre;
        const double bottom = PaperHeight - PrinterMargin - 20 * PointsPerMillimetre;
        QVERIFY2(std::abs(run.Min(&TWord::XMin) - left) < Tolerance,
                 qPrintable(QString::number(run.Min(&TWord::XMin))));
        QVERIFY(run.Min(&TWord::YMin) > PrinterMargin + 20 * PointsPerMillimetre - Tolerance);
        QVERIFY(run.Max(&TWord::XMax) < PaperWidth - PrinterMargin - 20 * PointsPerMillimetre + Tolerance); // wrapped
        QVERIFY(run.Max(&TWord::YMax) < bottom + Tolerance);
        // Every line once: a line cut by a page break would show on both pages.
        int lines = 0;
        for (const TWord& word : run.Words)
            lines += word.Text.startsWith("Sor");
        QCOMPARE(lines, 12 * 12);
        for (int page = 1; page < run.Pages; ++page) { // a page ends only when the next line does not fit
            double last = 0;
            for (const TWord& word : run.Words)
                last = word.Page == page ? std::max(last, word.YMax) : last;
            QVERIFY2(last > bottom - 3 * 12, qPrintable(QString("page %1 ends at %2").arg(page).arg(last)));
        }
    }

    void negativeMarginsPushTheTextOutward() {
        const TPrintRun run({-5, 0, 0, 0});
        QVERIFY(std::abs(run.Min(&TWord::XMin) - (PrinterMargin - 5 * PointsPerMillimetre)) < Tolerance);
    }

    void marginsWiderThanThePageLeaveTheWholeArea() {
        const TPrintRun run({150, 20, 150, 20});
        QVERIFY(std::abs(run.Min(&TWord::XMin) - PrinterMargin) < Tolerance);
        QVERIFY(run.Min(&TWord::YMin) < PrinterMargin + 10 * PointsPerMillimetre);
    }

    void aRectangleTooSmallForALineStillPrintsEverything() {
        const TPrintRun run({20, 130, 20, 145}); // 2 mm high
        int lines = 0;
        for (const TWord& word : run.Words)
            lines += word.Text.startsWith("Sor");
        QCOMPARE(lines, 12 * 12);
        QVERIFY(std::abs(run.Min(&TWord::XMin) - PrinterMargin) < Tolerance); // without margins
    }

    // A margin that overflows any arithmetic leaves the whole area, and the
    // next print, with sane margins again, is as good as ever.
    void aHugeMarginFallsBackAndPoisonsNothing() {
        TPrintRun run({2147483647, 20, 2147483647, 20});
        QVERIFY(std::abs(run.Min(&TWord::XMin) - PrinterMargin) < Tolerance);
        QVERIFY(run.Words.size() > 100);
        TPrintAnswers replace{{QMessageBox::Yes}};
        Answering(replace, [&] { run.Print({20, 20, 20, 20}); });
        QVERIFY(std::abs(run.Min(&TWord::XMin) - (PrinterMargin + 20 * PointsPerMillimetre)) < Tolerance);
        QVERIFY(run.Words.size() > 100);
    }

    // Printing into a file that is there asks first, as saving does; "no"
    // offers another name, and the old file is left alone.
    void printingIntoAFileThatExistsAsksFirst() {
        TPrintRun run({20, 20, 20, 20});
        const std::string first = run.OutputFile();
        const std::string firstBytes = ReadBytes(first);
        TPrintAnswers no{{QMessageBox::No}, QString::fromStdString(run.Folder() / "másik.pdf")};
        Answering(no, [&] { run.Print({20, 20, 20, 20}); });
        QCOMPARE(no.Asked.size(), 1);
        QVERIFY2(no.Asked[0].contains("print.pdf"), qPrintable(no.Asked[0]));
        QCOMPARE(run.OutputFile(), run.Folder() / "másik.pdf");
        QVERIFY(run.Words.size() > 100);
        QCOMPARE(ReadBytes(first), firstBytes);

        TPrintAnswers yes{{QMessageBox::Yes}};
        Answering(yes, [&] { run.Print({30, 30, 30, 30}); });
        QCOMPARE(yes.Asked.size(), 1);
        QVERIFY(std::abs(run.Min(&TWord::XMin) - (PrinterMargin + 30 * PointsPerMillimetre)) < Tolerance);
        QCOMPARE(FolderEntries(run.Folder()), (std::vector<std::string>{"másik.pdf", "print.pdf"}));
    }

    // A cancelled print into a file leaves the old file whole, and no other behind.
    void aCancelledPrintLeavesTheOldFile() {
        TPrintRun run({40, 40, 40, 40}, "Dalos", 1500, false);
        WriteBytes(run.OutputFile(), "régi");
        TPrintAnswers cancel{{QMessageBox::Yes}, {}, true};
        // However fast the machine, the dialog is there to cancel.
        const int usual = std::exchange(TWorkProgress::ShowAfterMilliseconds, 0);
        Answering(cancel, [&] { run.PrintOnly({40, 40, 40, 40}); });
        TWorkProgress::ShowAfterMilliseconds = usual;
        QCOMPARE(cancel.Asked.size(), 1);
        QCOMPARE(ReadBytes(run.OutputFile()), std::string("régi"));
        QCOMPARE(FolderEntries(run.Folder()), std::vector<std::string>{"print.pdf"});
    }

    // "Versszakok egyben", chosen in the page setup and kept in the
    // settings, prints every verse that fits on a page on one page.
    void keepingVersesTogetherIsChosenInThePageSetup() {
        TPrintRun run({20, 20, 20, 20});
        const auto splitVerses = [&run] {
            int split = 0;
            for (int song = 1; song <= 12; ++song) {
                const QString stem = QString("Sor%1x").arg(song);
                split += run.PageOf(stem + "0") != run.PageOf(stem + "11");
            }
            return split;
        };
        QVERIFY2(splitVerses() > 0, "no verse crosses a page: the check proves nothing");
        {
            const TAnswerModal answer([](QWidget* modal) {
                auto* dialog = qobject_cast<TPageSetupDialog*>(modal);
                QVERIFY(dialog);
                QVERIFY(!dialog->c_KeepVerses->isChecked());
                dialog->c_KeepVerses->setChecked(true);
                QTest::mouseClick(dialog->b_OK, Qt::LeftButton);
            });
            Click(run.Program().Action("m_PageSetup"));
        }
        QVERIFY(run.Program().SettingsFileText().find("\"KeepVerses\"=\"1\"") != std::string::npos);
        TPrintAnswers replace{{QMessageBox::Yes}};
        Answering(replace, [&] { run.Print({20, 20, 20, 20}); });
        QCOMPARE(splitVerses(), 0);
        int lines = 0;
        for (const TWord& word : run.Words)
            lines += word.Text.startsWith("Sor");
        QCOMPARE(lines, 12 * 12);
    }

    // The preview shows the pages that printing prints, on the same printer.
    void thePreviewShowsThePagesThatPrintingPrints() {
        TPrintRun run({20, 20, 20, 20});
        int previewed = 0;
        QString title;
        {
            const TAnswerModal answer([&](QWidget* modal) {
                auto* preview = qobject_cast<QPrintPreviewDialog*>(modal);
                QVERIFY(preview);
                title = preview->windowTitle();
                auto* pages = preview->findChild<QPrintPreviewWidget*>();
                QVERIFY(pages);
                pages->updatePreview();
                previewed = pages->pageCount();
                preview->reject();
            });
            run.OnTheArtist("m_PrintPreview");
        }
        QCOMPARE(previewed, run.Pages);
        QCOMPARE(title, QString("Nyomtatási kép – Dalos"));
    }

    void anArtistWithoutSongsPrintsOneEmptyPage() {
        const TPrintRun run({15, 15, 15, 15}, "Üres");
        QCOMPARE(run.Pages, 1);
        QVERIFY(run.Words.empty());
    }

    void withoutAnyPrinterPrintingFailsBeforeAJobStarts() {
        if (!QPrinterInfo::availablePrinters().isEmpty())
            QSKIP("this machine has a printer");
        TProgram program(Songbook());
        program.Start();
        QVERIFY(program.OpenSong("Dalos", "1. dal"));
        const QStringList errors = TriggerAnsweringErrors([&] { Click(program.Action("m_Print")); });
        QCOMPARE(errors, QStringList{"Vivira redir|There is no default printer currently selected."});
    }
};

VIVIRA_TEST_MAIN(TestPrinting)
#include "tst_printing.moc"
