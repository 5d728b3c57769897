#include "render/styleslots.h"
#include "shell/application.h"
#include "shell/listwindow.h"
#include "shell/mainwindow.h"
#include "shell/modeltext.h"
#include "shell/printing.h"
#include "shell/songwindow.h"
#include "tests/shell/programfixture.h"
#include "tests/support/externaltool.h"

#include <QMdiArea>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTest>
#include <QTreeWidget>

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

TLibraryFiles Songbook() {
    std::vector<std::string> lines{".artist Dalos"};
    for (int song = 1; song <= 12; ++song) {
        const auto more = SongLines(song);
        lines.insert(lines.end(), more.begin(), more.end());
    }
    return {{"a.txt", lines}, {"b.txt", {".artist Üres"}}};
}

class TPrintRun {
public:
    explicit TPrintRun(TPageMargins margins, const QString& artist = "Dalos") : m_program(Songbook()) {
        m_program.Start();
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(QString::fromStdString(m_out / "print.pdf"));
        printer->setPageSize(QPageSize(QPageSize::A4));
        printer->setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
        m_program.Main->ChoosePrinter(std::move(printer));
        m_program.Main->PageMargins() = margins;
        QTreeWidget* tree = m_program.List->SongList;
        m_program.Main->Workspace()->setActiveSubWindow(m_program.List);
        tree->setFocus();
        tree->setCurrentItem(tree->findItems(artist, Qt::MatchExactly).value(0));
        Click(m_program.Main->m_Print);
        Words = PdfWords(m_out / "print.pdf", Pages);
        Title = m_program.Main->CurrentPrinter().docName();
    }

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
    TProgram m_program;
    TTempDirectory m_out;
};

} // namespace

class TestPrinting : public QObject {
    Q_OBJECT

private slots:
    void measuresMarginsFromThePrintableArea() {
        const TRect rect = PrintRectFor({15, 20, -5, 0}, 600, 300, 4800, 3300);
        QCOMPARE(rect, (TRect{354, 236, 4800 + 118, 3300}));
    }

    void breaksPagesOnlyBetweenLines_data() {
        QTest::addColumn<std::vector<TLineSpan>>("lines");
        QTest::addColumn<double>("height");
        QTest::addColumn<std::vector<double>>("starts");
        QTest::newRow("none") << std::vector<TLineSpan>{} << 25.0 << std::vector<double>{0};
        QTest::newRow("fits") << std::vector<TLineSpan>{{0, 10}, {10, 20}} << 25.0 << std::vector<double>{0};
        QTest::newRow("full pages") << std::vector<TLineSpan>{{0, 10}, {10, 20}, {20, 30}, {30, 40}, {40, 50}} << 25.0
                                    << std::vector<double>{0, 20, 40};
        QTest::newRow("a line taller than a page")
            << std::vector<TLineSpan>{{0, 10}, {10, 60}, {60, 70}} << 25.0 << std::vector<double>{0, 10, 60};
    }

    void breaksPagesOnlyBetweenLines() {
        QFETCH(std::vector<TLineSpan>, lines);
        QFETCH(double, height);
        QFETCH(std::vector<double>, starts);
        QCOMPARE(PageStarts(lines, height), starts);
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
        const QStringList errors = TriggerAnsweringErrors([&] { Click(program.Main->m_Print); });
        QCOMPARE(errors, QStringList{"Vivira redir|There is no default printer currently selected."});
    }
};

VIVIRA_TEST_MAIN(TestPrinting)
#include "tst_printing.moc"
