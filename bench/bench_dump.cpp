// songbook dump of a generated library, against loading the same library
// alone in the same run: JSON is written through the same stream as
// songbook's, into /dev/null.

#include "bench/benchcorpus.h"
#include "library/loader.h"
#include "tools/songbook/dumpcommand.h"

#include <benchmark/benchmark.h>
#include <fstream>

namespace {

void DumpLibrary(benchmark::State& state) {
    const TCorpus& corpus = Corpus();
    ReadAllBytes(corpus); // warm the page cache
    double loadSeconds = 0;
    double dumpSeconds = 0;
    for (auto _ : state) {
        const auto start = TClock::now();
        std::unique_ptr<TArtist> artists;
        TLoadedPaths loaded;
        const std::vector<TLoadFailure> failures = LoadSongLibrary(corpus.Directory, artists, &loaded);
        const auto load = TClock::now();
        std::ofstream out("/dev/null");
        WriteLibraryJson(out, artists.get(), loaded.Paths, failures);
        out.flush();
        const auto dumped = TClock::now();
        state.SetIterationTime(Seconds(dumped - load));
        loadSeconds += Seconds(load - start);
        dumpSeconds += Seconds(dumped - load);
    }
    const double megabytes = static_cast<double>(corpus.Bytes) / 1e6 * static_cast<double>(state.iterations());
    state.counters["json_MB/s"] = megabytes / dumpSeconds;
    state.counters["dump/load"] = dumpSeconds / loadSeconds;
    state.counters["(load+dump)/load"] = (loadSeconds + dumpSeconds) / loadSeconds;
}

BENCHMARK(DumpLibrary)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
