// Loads a generated library of song files and compares the time with reading
// the same files' bytes with plain reads in the same run, because absolute
// times on a shared machine are noise. Also reports the memory the loaded
// library keeps, against the size of the files.
//
// VIVIRA_BENCH_ARTISTS and VIVIRA_BENCH_SONGS set the corpus size
// (default 2000 files x 50 songs, about 100 MB).

#include "bench/benchcorpus.h"
#include "library/loader.h"
#include "library/songfile.h"
#include "platform/filebytes.h"

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <vector>

namespace {

// The second anchor: every file read into a fresh buffer of its own, all kept
// until the end, as a loader that keeps the text must at least do. On virtual
// machines first touches of fresh memory are expensive, and this shows how much.
std::vector<TFileBytes> ReadAllBytesKept(const TCorpus& corpus) {
    std::vector<TFileBytes> kept;
    kept.reserve(corpus.Paths.size());
    for (const std::string& path : corpus.Paths)
        kept.push_back(ReadFileBytes(path, LargestSongFile));
    return kept;
}

void LoadLibrary(benchmark::State& state) {
    const TCorpus& corpus = Corpus();
    ReadAllBytes(corpus); // warm the page cache for both
    double readSeconds = 0;
    double keptSeconds = 0;
    double loadSeconds = 0;
    double retainedBytes = 0;
    for (auto _ : state) {
        const auto start = TClock::now();
        ReadAllBytes(corpus);
        const auto keptStart = TClock::now();
        std::vector<TFileBytes> kept = ReadAllBytesKept(corpus);
        const auto keptEnd = TClock::now();
        kept.clear();
        const auto read = TClock::now();
        const std::size_t before = ::mallinfo2().uordblks;
        std::unique_ptr<TArtist> artists;
        LoadSongLibrary(corpus.Directory, artists, nullptr);
        const auto loaded = TClock::now();
        retainedBytes = static_cast<double>(::mallinfo2().uordblks - before);
        artists.reset();

        state.SetIterationTime(Seconds(loaded - read));
        readSeconds += Seconds(keptStart - start);
        keptSeconds += Seconds(keptEnd - keptStart);
        loadSeconds += Seconds(loaded - read);
    }
    const double megabytes = static_cast<double>(corpus.Bytes) / 1e6 * static_cast<double>(state.iterations());
    state.counters["corpus_MB"] = static_cast<double>(corpus.Bytes) / 1e6;
    state.counters["load_MB/s"] = megabytes / loadSeconds;
    state.counters["read_MB/s"] = megabytes / readSeconds;
    state.counters["load/read"] = loadSeconds / readSeconds;
    state.counters["load/read_kept"] = loadSeconds / keptSeconds;
    state.counters["memory/corpus"] = retainedBytes / static_cast<double>(corpus.Bytes);
}

BENCHMARK(LoadLibrary)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

BENCHMARK_MAIN();
