// Loads a generated library of song files and compares the time with reading
// the same files' bytes with plain reads in the same run, because absolute
// times on a shared machine are noise. Also reports the memory the loaded
// library keeps, against the size of the files.
//
// VIVIRA_BENCH_ARTISTS and VIVIRA_BENCH_SONGS set the corpus size
// (default 2000 files x 50 songs, about 100 MB).

#include "bench/corpusgenerator.h"
#include "library/loader.h"
#include "platform/directorysearch.h"
#include "platform/filebytes.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <malloc.h>
#include <unistd.h>
#include <vector>

namespace {

using TClock = std::chrono::steady_clock;

std::size_t FromEnvironment(const char* name, std::size_t fallback) {
    const char* value = std::getenv(name);
    return value ? std::stoul(value) : fallback;
}

struct TCorpus {
    std::string Directory;
    std::vector<std::string> Paths;
    std::uint64_t Bytes = 0;

    TCorpus() {
        Directory = (std::filesystem::temp_directory_path() / ("vivira-corpus-" + std::to_string(::getpid()))).string();
        Bytes = GenerateCorpus(
            Directory, {FromEnvironment("VIVIRA_BENCH_ARTISTS", 2000), FromEnvironment("VIVIRA_BENCH_SONGS", 50)});
        for (const std::string& name : FindSongFiles(Directory))
            Paths.push_back(JoinPath(Directory, name));
    }
    ~TCorpus() { std::filesystem::remove_all(Directory); }
};

const TCorpus& Corpus() {
    static const TCorpus corpus;
    return corpus;
}

// The anchor: open, read and close every file into one reused buffer.
void ReadAllBytes(const TCorpus& corpus) {
    static std::vector<char> buffer(1 << 20);
    for (const std::string& path : corpus.Paths) {
        const int fd = ::open(path.c_str(), O_RDONLY);
        while (::read(fd, buffer.data(), buffer.size()) > 0)
            benchmark::DoNotOptimize(buffer.data());
        ::close(fd);
    }
}

// The second anchor: every file read into a fresh buffer of its own, all kept
// until the end, as a loader that keeps the text must at least do. On virtual
// machines first touches of fresh memory are expensive, and this shows how much.
std::vector<TFileBytes> ReadAllBytesKept(const TCorpus& corpus) {
    std::vector<TFileBytes> kept;
    kept.reserve(corpus.Paths.size());
    for (const std::string& path : corpus.Paths)
        kept.push_back(ReadFileBytes(path));
    return kept;
}

double Seconds(TClock::duration duration) {
    return std::chrono::duration<double>(duration).count();
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
