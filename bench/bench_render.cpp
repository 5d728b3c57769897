// Renders every artist of a generated library into a document, as the viewer
// does for a songbook, and writes each document as Rich Text. Throughput is
// song text (file bytes) per second, with reading the same files as anchor,
// and copying each Rich Text into a new string as a second one.
// A second benchmark renders one artist of growing size to show that the
// cost grows linearly with the document.

#include "bench/benchcorpus.h"
#include "library/loader.h"
#include "render/rtfwriter.h"
#include "render/songrenderer.h"

#include <benchmark/benchmark.h>
#include <map>
#include <memory>

namespace {

std::unique_ptr<TArtist> Load(const TCorpus& corpus) {
    std::unique_ptr<TArtist> artists;
    LoadSongLibrary(corpus.Directory, artists, nullptr);
    return artists;
}

void RenderAndWriteLibrary(benchmark::State& state) {
    const TCorpus& corpus = Corpus();
    const std::unique_ptr<TArtist> artists = Load(corpus);
    ReadAllBytes(corpus); // warm the page cache
    double readSeconds = 0;
    double renderSeconds = 0;
    double writeSeconds = 0;
    double copySeconds = 0;
    double richTextBytes = 0;
    for (auto _ : state) {
        const auto start = TClock::now();
        ReadAllBytes(corpus);
        readSeconds += Seconds(TClock::now() - start);
        richTextBytes = 0;
        const double before = renderSeconds + writeSeconds;
        for (const TArtist* artist = artists.get(); artist; artist = artist->Next.get()) {
            const auto renderStart = TClock::now();
            TRichDocument document(StandardPixelsPerInch);
            RenderArtist(*artist, document, {StyleFonts, StandardPixelsPerInch});
            const auto writeStart = TClock::now();
            const std::string richText = RichText(document);
            const auto end = TClock::now();
            const std::string copy = richText; // the least that writing these bytes can cost
            copySeconds += Seconds(TClock::now() - end);
            benchmark::DoNotOptimize(richText.data());
            benchmark::DoNotOptimize(copy.data());
            renderSeconds += Seconds(writeStart - renderStart);
            writeSeconds += Seconds(end - writeStart);
            richTextBytes += static_cast<double>(richText.size());
        }
        state.SetIterationTime(renderSeconds + writeSeconds - before);
    }
    const double megabytes = static_cast<double>(corpus.Bytes) / 1e6 * static_cast<double>(state.iterations());
    state.counters["corpus_MB"] = static_cast<double>(corpus.Bytes) / 1e6;
    state.counters["render_MB/s"] = megabytes / renderSeconds;
    state.counters["rtf_MB/s"] = megabytes / writeSeconds;
    state.counters["both_MB/s"] = megabytes / (renderSeconds + writeSeconds);
    state.counters["both/read"] = (renderSeconds + writeSeconds) / readSeconds;
    state.counters["copy_MB/s"] = megabytes / copySeconds;
    state.counters["both/copy"] = (renderSeconds + writeSeconds) / copySeconds;
    state.counters["rtf/corpus"] = richTextBytes / static_cast<double>(corpus.Bytes);
}

BENCHMARK(RenderAndWriteLibrary)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

// One artist with state.range(0) songs: time per song must not grow with the songbook.
void RenderAndWriteOneSongbook(benchmark::State& state) {
    static std::map<std::int64_t, std::unique_ptr<TCorpus>> corpora;
    auto& corpus = corpora[state.range(0)];
    if (!corpus)
        corpus = std::make_unique<TCorpus>(TCorpusSize{1, static_cast<std::size_t>(state.range(0))});
    const std::unique_ptr<TArtist> artist = Load(*corpus);
    for (auto _ : state) {
        TRichDocument document(StandardPixelsPerInch);
        RenderArtist(*artist, document, {StyleFonts, StandardPixelsPerInch});
        benchmark::DoNotOptimize(RichText(document).data());
    }
    state.SetComplexityN(state.range(0));
    state.SetBytesProcessed(static_cast<std::int64_t>(corpus->Bytes) * state.iterations());
}

BENCHMARK(RenderAndWriteOneSongbook)
    ->RangeMultiplier(10)
    ->Range(100, 100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

} // namespace

BENCHMARK_MAIN();
