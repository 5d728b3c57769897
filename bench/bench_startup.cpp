// Times the viewer's start, from process start to the main window shown and
// idle, against loading the same library alone in the same run; then the
// artist tree filled and sorted again, the opening of a song window for a
// song of 100 lines, and the closing of the viewer.
//
//   bench_startup            the sample library
//   bench_startup --corpus   a generated library (VIVIRA_BENCH_ARTISTS x VIVIRA_BENCH_SONGS)
//   bench_startup DIR        any folder of song files
//
// Runs on Qt's offscreen platform unless QT_QPA_PLATFORM says otherwise.

#include "bench/benchcorpus.h"
#include "library/loader.h"
#include "print/qtcolor.h"
#include "qtbridge/qttext.h"
#include "shell/application.h"
#include "shell/listwindow.h"
#include "shell/mainwindow.h"
#include "shell/songwindow.h"

#include <QTimer>
#include <QTreeWidget>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {

// How long this process has been running, by the kernel's clock.
double ProcessAgeMilliseconds() {
    std::ifstream stat("/proc/self/stat");
    std::string field;
    std::string line;
    std::getline(stat, line);
    std::istringstream fields(line.substr(line.rfind(')') + 2));
    unsigned long long startTicks = 0;
    for (int index = 3; index <= 22 && fields >> field; ++index) {
        if (index == 22)
            startTicks = std::stoull(field);
    }
    double uptime = 0;
    std::ifstream("/proc/uptime") >> uptime;
    return (uptime - static_cast<double>(startTicks) / static_cast<double>(sysconf(_SC_CLK_TCK))) * 1000.0;
}

double Milliseconds(TClock::duration duration) {
    return Seconds(duration) * 1000.0;
}

// A song of 100 lines: a verse with chords over its words.
std::unique_ptr<TArtist> HundredLineSong(const std::string& folder) {
    const std::string path = folder + "/hundred.txt";
    std::ofstream file(path, std::ios::binary);
    file << ".artist Benchmark\r\n.title Hundred lines\r\n.defverse\r\n";
    for (int line = 0; line < 50; ++line)
        file << "Am        C         G          Am\r\nEgy sor a dalb\xA2l, amely hosszan tart, sz\xA2rul sz\xA2ra\r\n";
    file.close();
    return std::make_unique<TArtist>(path);
}

double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The library shown again, as a reload shows it: the artists sorted, made
// nodes and painted. Letting go of the old tree is not counted.
double MedianTreeMilliseconds(TListWindow& list) {
    std::vector<double> times;
    for (int run = 0; run < 5; ++run) {
        list.ForgetLibrary();
        QCoreApplication::processEvents();
        const auto start = TClock::now();
        list.ShowLibrary(Artists.get(), {});
        QCoreApplication::processEvents();
        times.push_back(Milliseconds(TClock::now() - start));
    }
    return Median(times);
}

double MedianSongWindowMilliseconds(TMainWindow& main, const TSong& song) {
    std::vector<double> times;
    for (int run = 0; run < 21; ++run) {
        const auto start = TClock::now();
        TSongWindow* window = main.CreateSongWindow(song);
        QCoreApplication::processEvents(); // shown and painted
        times.push_back(Milliseconds(TClock::now() - start));
        window->close();
        QCoreApplication::processEvents();
    }
    return Median(times);
}

} // namespace

int main(int argc, char** argv) {
    const double beforeMain = ProcessAgeMilliseconds();
    const auto mainStart = TClock::now();
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const std::string scratch =
        (std::filesystem::temp_directory_path() / ("vivira-start-" + std::to_string(getpid()))).string();
    std::filesystem::create_directories(scratch);
    setenv("VIVIRA_SETTINGS_FILE", (scratch + "/settings.reg").c_str(), 1);
    const std::string argument = argc > 1 ? argv[1] : "";
    const TCorpus* corpus = argument == "--corpus" ? &Corpus() : nullptr;
    const std::string data = corpus ? corpus->Directory : argument.empty() ? VIVIRA_SAMPLE_DATA : argument;
    const double preparation = Milliseconds(TClock::now() - mainStart); // generating a corpus is not start-up

    TApplication application(argc, argv);
    UsePaletteForSystemColors();
    auto* main = new TMainWindow(data);
    ListWindow = main->CreateListWindow();
    QTimer::singleShot(0, &application, [] { QCoreApplication::exit(); }); // quit() would close the windows too
    application.exec();
    const double startup = beforeMain + Milliseconds(TClock::now() - mainStart) - preparation;

    std::unique_ptr<TArtist> artists;
    const auto loadStart = TClock::now();
    LoadSongLibrary(data, artists, nullptr);
    const double load = Milliseconds(TClock::now() - loadStart);

    const double tree = MedianTreeMilliseconds(*ListWindow);
    const int artistNodes = ListWindow->SongList->topLevelItemCount();
    const std::unique_ptr<TArtist> song = HundredLineSong(scratch);
    const double songWindow = MedianSongWindowMilliseconds(*main, *song->FirstSong);
    const auto closeStart = TClock::now();
    main->close(); // stores the tree's state
    const double closing = Milliseconds(TClock::now() - closeStart);
    delete main;
    Artists.reset();
    std::filesystem::remove_all(scratch);

    std::cout << "library: " << data << '\n'
              << "start-up to idle: " << startup << " ms\n"
              << "library load alone: " << load << " ms\n"
              << "start-up / (1.5 x load + 300 ms): " << startup / (1.5 * load + 300.0) << " (target <= 1)\n"
              << "artist tree of " << artistNodes << " artists filled and sorted, median of 5: " << tree
              << " ms (target 150, ratio " << tree / 150.0 << "); over load alone: " << tree / load << '\n'
              << "song window of 100 lines, median of 21: " << songWindow << " ms (target < 20)\n"
              << "closing, the tree's state stored: " << closing << " ms; over load alone: " << closing / load << '\n';
}
