// Saves an artist's songbook as RTF and prints it into a PDF file, for
// songbooks of growing size: both must stay well inside their targets
// (1,000 songs: RTF under 0.2 s, PDF under 10 s) and grow linearly, far
// past the 1,400 songs where a single layout of the whole songbook stopped.

#include "bench/benchcorpus.h"
#include "library/loader.h"
#include "print/pageprinter.h"
#include "render/songrenderer.h"

#include <QApplication>
#include <QPrinter>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <map>

namespace {

const TArtist& Songbook(std::int64_t songs) {
    static std::map<std::int64_t, std::pair<std::unique_ptr<TCorpus>, std::unique_ptr<TArtist>>> books;
    auto& [corpus, artist] = books[songs];
    if (!artist) {
        corpus = std::make_unique<TCorpus>(TCorpusSize{1, static_cast<std::size_t>(songs)});
        LoadSongLibrary(corpus->Directory, artist, nullptr);
    }
    return *artist;
}

std::string ScratchFile(const char* name) {
    return (std::filesystem::temp_directory_path() / (std::to_string(getpid()) + name)).string();
}

void SaveSongbookAsRichText(benchmark::State& state) {
    const TArtist& artist = Songbook(state.range(0));
    const std::string path = ScratchFile("-songbook.rtf");
    for (auto _ : state) {
        TRichDocument document(StandardPixelsPerInch);
        RenderArtist(artist, document, {StyleFonts, StandardPixelsPerInch});
        document.SaveRichTextFile(path);
    }
    std::filesystem::remove(path);
    state.SetComplexityN(state.range(0));
}

void PrintSongbookToPdf(benchmark::State& state) {
    const TArtist& artist = Songbook(state.range(0));
    const std::string path = ScratchFile("-songbook.pdf");
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(path));
        TRichDocument document(StandardPixelsPerInch);
        RenderArtist(artist, document, {StyleFonts, StandardPixelsPerInch});
        document.PrintRect = {236, 236, printer.width() - 236, printer.height() - 236}; // 5 mm margins at 1200 dpi
        PrintPages(document, printer, TPageOptions{}, [](int, std::size_t) { return true; });
    }
    std::filesystem::remove(path);
    state.SetComplexityN(state.range(0));
}

BENCHMARK(SaveSongbookAsRichText)
    ->Arg(250)
    ->Arg(500)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(PrintSongbookToPdf)
    ->Arg(250)
    ->Arg(1000)
    ->Arg(2000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2)
    ->Complexity(benchmark::oN);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv); // fonts for the printer's layout
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
