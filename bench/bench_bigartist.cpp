// The viewer on one artist of a hundred thousand songs (in one file), as a
// user works with it: expanding the artist, saving, copying and printing its
// songbook. Each is timed through the real windows, on Qt's offscreen
// platform, against the work at its heart measured alone in the same run.
//
//   bench_bigartist          109,398 songs (VIVIRA_BENCH_BIG_SONGS changes it)

#include "bench/benchcorpus.h"
#include "library/loader.h"
#include "print/qtcolor.h"
#include "render/rtfwriter.h"
#include "render/songrenderer.h"
#include "shell/application.h"
#include "shell/librarysearch.h"
#include "shell/listwindow.h"
#include "shell/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QMimeData>
#include <QPrinter>
#include <QTimer>
#include <QTreeWidget>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <memory>

namespace {

double Milliseconds(TClock::duration duration) {
    return Seconds(duration) * 1000.0;
}

double TimeMilliseconds(const std::function<void()>& work) {
    const auto start = TClock::now();
    work();
    return Milliseconds(TClock::now() - start);
}

// The most memory the process has held since the last reset, in MB.
double PeakMegabytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmHWM:"))
            return std::stod(line.substr(6)) / 1024.0;
    }
    return 0;
}

void ResetPeak() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

// Answers the next modal dialog from the event loop.
void AnswerNextDialog(const std::function<void(QWidget*)>& answer) {
    auto* poller = new QTimer;
    QObject::connect(poller, &QTimer::timeout, [poller, answer] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poller->stop();
            poller->deleteLater();
            answer(modal);
        }
    });
    poller->start(1);
}

// As poppler's pdfinfo counts them.
int PdfPages(const std::string& pdf) {
    const std::unique_ptr<FILE, int (*)(FILE*)> info(popen(("pdfinfo '" + pdf + "'").c_str(), "r"), pclose);
    char line[256];
    while (info && fgets(line, sizeof line, info.get())) {
        if (std::string_view(line).starts_with("Pages:"))
            return std::atoi(line + 6);
    }
    return 0;
}

// Commands act on the tree's artist only while the tree has the keyboard focus.
void FocusTree(TMainWindow& main, QTreeWidget& tree) {
    main.activateWindow();
    for (int wait = 0; wait < 100 && !tree.hasFocus(); ++wait) {
        tree.setFocus();
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
}

void Report(const std::string& what, double value, const std::string& unit, double target) {
    std::cout << what << ": " << value << ' ' << unit << " (target " << target << ", ratio " << value / target << ")\n";
}

// The viewer, started on the corpus, with the artist at hand in the tree.
struct TViewer {
    TMainWindow* Main;
    QTreeWidget* Tree;
    QTreeWidgetItem* Artist;
    std::string Scratch;
};

// The search index is built on another core after start-up; expanding
// while it is built shares the cores with it.
void WaitForIndex(const TViewer&) {
    const auto start = TClock::now();
    while (!ListWindow->findChild<TLibrarySearch*>()->Ready())
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    std::cout << "search index ready after " << Milliseconds(TClock::now() - start) << " ms\n";
}

// A user sees the tree before reaching for the artist: a fifth of a second
// at the quickest, in which the viewer goes on with its work.
void Reach(const TViewer&) {
    QElapsedTimer reaching;
    reaching.start();
    while (reaching.elapsed() < 200)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
}

void Expand(const TViewer& viewer) {
    const auto expand = [&] {
        viewer.Artist->setExpanded(true);
        QApplication::processEvents();
    };
    Report("expand, first", TimeMilliseconds(expand), "ms", 100);
    viewer.Artist->setExpanded(false);
    Report("expand, again", TimeMilliseconds(expand), "ms", 10);
}

void Save(const TViewer& viewer) {
    viewer.Tree->setCurrentItem(viewer.Artist);
    FocusTree(*viewer.Main, *viewer.Tree);
    double untilDialog = 0;
    const auto start = TClock::now();
    AnswerNextDialog([&](QWidget* modal) {
        untilDialog = Milliseconds(TClock::now() - start);
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        dialog->selectFile(QString::fromStdString(viewer.Scratch + "/songbook.rtf"));
        QMetaObject::invokeMethod(dialog, "accept", Qt::DirectConnection);
    });
    viewer.Main->findChild<QAction*>("SaveRTF")->trigger();
    const double afterDialog = Milliseconds(TClock::now() - start) - untilDialog;
    Report("save, until the dialog", untilDialog, "ms", 300);
    TRichDocument alone(StandardPixelsPerInch);
    const double writerAlone = TimeMilliseconds([&] {
        RenderArtist(*Artists, alone, CurrentRenderStyle());
        std::ofstream(viewer.Scratch + "/alone.rtf", std::ios::binary) << RichText(alone);
    });
    Report("save, after the dialog / render + RTF writer alone", afterDialog / writerAlone, "", 2);
}

void Copy(const TViewer& viewer) {
    TRichDocument songbook(StandardPixelsPerInch);
    RenderArtist(*Artists, songbook, CurrentRenderStyle());
    const double rtfMegabytes = static_cast<double>(RichText(songbook).size()) / 1e6;
    viewer.Tree->setCurrentItem(viewer.Artist);
    FocusTree(*viewer.Main, *viewer.Tree);
    ResetPeak();
    const double before = PeakMegabytes();
    const double copy = TimeMilliseconds([&] {
        viewer.Main->findChild<QAction*>("CopyRTF")->trigger();
        const QByteArray pasted = QApplication::clipboard()->mimeData()->data("text/rtf"); // as a word processor
    });
    Report("copy and paste as RTF", copy / 1000.0, "s", 3);
    Report("copy, memory / RTF size", (PeakMegabytes() - before) / rtfMegabytes, "", 3);
}

void Print(const TViewer& viewer) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QString::fromStdString(viewer.Scratch + "/songbook.pdf"));
    viewer.Main->ChoosePrinter(std::move(printer));
    viewer.Tree->setCurrentItem(viewer.Artist);
    FocusTree(*viewer.Main, *viewer.Tree);
    const double print = TimeMilliseconds([&] { viewer.Main->findChild<QAction*>("m_Print")->trigger(); });
    const int pages = PdfPages(viewer.Scratch + "/songbook.pdf");
    std::cout << "print to PDF: " << print / 1000.0 << " s, " << pages << " pages\n";
    Report("print, per page", print / std::max(pages, 1), "ms", 2);
}

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const char* songsText = std::getenv("VIVIRA_BENCH_BIG_SONGS");
    const char* stepsText = std::getenv("VIVIRA_BENCH_STEPS");
    const std::string steps = stepsText ? stepsText : "expand,save,copy,print";
    const TCorpus corpus(TCorpusSize{1, songsText ? std::stoul(songsText) : 109398});
    const std::string scratch = corpus.Directory + "-out";
    std::filesystem::create_directories(scratch);
    setenv("VIVIRA_SETTINGS_FILE", (scratch + "/settings.reg").c_str(), 1);

    TApplication application(argc, argv);
    UsePaletteForSystemColors();
    auto* main = new TMainWindow(corpus.Directory);
    ListWindow = main->CreateListWindow();
    QApplication::processEvents();
    const TViewer viewer{main, ListWindow->SongList, ListWindow->SongList->topLevelItem(0), scratch};
    std::cout << "songbook: " << corpus.Bytes / 1e6 << " MB in one file\n";
    using TStep = void (*)(const TViewer&);
    const std::pair<const char*, TStep> all[] = {{"index", WaitForIndex}, {"reach", Reach}, {"expand", Expand},
                                                 {"save", Save},          {"copy", Copy},   {"print", Print}};
    for (const auto& [name, step] : all) {
        if (steps.find(name) != std::string::npos)
            step(viewer);
    }
    delete main;
    Artists.reset();
    std::filesystem::remove_all(scratch);
}
