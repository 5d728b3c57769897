// Loads a generated library of song files and compares the time with reading
// the same files' bytes with plain reads in the same run, because absolute
// times on a shared machine are noise. Also reports the memory the loaded
// library keeps, against the size of the files, the load as a whole process
// against cat of the same files, and the code-page conversion of the corpus
// by each way the processor has.
//
// VIVIRA_BENCH_ARTISTS and VIVIRA_BENCH_SONGS set the corpus size
// (default 2000 files x 50 songs, about 90 MB).

#include "bench/benchcorpus.h"
#include "library/loader.h"
#include "library/songfile.h"
#include "platform/codepage.h"
#include "platform/filebytes.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstring>
#include <fcntl.h>
#include <malloc.h>
#include <spawn.h>
#include <string_view>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

constexpr std::string_view LoadOnlyOption = "--load-only";

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
    const auto threads = static_cast<std::size_t>(state.range(0));
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
        LoadSongLibrary(corpus.Directory, artists, nullptr, threads);
        const auto loaded = TClock::now();
        // The files' texts sit in the loader's arenas, which the heap does not count.
        std::size_t texts = 0;
        for (const TArtist* artist = artists.get(); artist; artist = artist->Next.get())
            texts += artist->TextSize();
        retainedBytes = static_cast<double>(::mallinfo2().uordblks - before + texts);
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

BENCHMARK(LoadLibrary)
    ->ArgName("threads")
    ->Apply([](benchmark::internal::Benchmark* benchmark) {
        benchmark->Arg(1);
        if (DefaultThreads() > 1)
            benchmark->Arg(static_cast<std::int64_t>(DefaultThreads()));
    })
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

// Runs a program to its end with its output thrown away; the seconds it took.
double RunProcess(std::vector<std::string> arguments) {
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    const auto start = TClock::now();
    pid_t child = 0;
    if (posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ) != 0)
        throw std::runtime_error("cannot start " + arguments[0]);
    int status = 0;
    waitpid(child, &status, 0);
    const auto end = TClock::now();
    posix_spawn_file_actions_destroy(&actions);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(arguments[0] + " failed");
    return Seconds(end - start);
}

// The whole process that loads the library (this program again, started
// with LoadOnlyOption), against cat of the same files and against reading
// them in this process. cat takes every name at once, so it is left out for a
// corpus whose names do not fit on one command line.
void LoadProcess(benchmark::State& state) {
    const TCorpus& corpus = Corpus();
    std::vector<std::string> cat = {"/bin/cat"};
    cat.insert(cat.end(), corpus.Paths.begin(), corpus.Paths.end());
    const bool catFits = corpus.Paths.size() <= 20000;
    ReadAllBytes(corpus);
    double loadSeconds = 0;
    double catSeconds = 0;
    double readSeconds = 0;
    for (auto _ : state) {
        const double load = RunProcess({"/proc/self/exe", std::string(LoadOnlyOption), corpus.Directory});
        state.SetIterationTime(load);
        loadSeconds += load;
        catSeconds += catFits ? RunProcess(cat) : 0;
        const auto start = TClock::now();
        ReadAllBytes(corpus);
        readSeconds += Seconds(TClock::now() - start);
    }
    state.counters["process/read"] = loadSeconds / readSeconds;
    if (catFits)
        state.counters["process/cat"] = loadSeconds / catSeconds;
}

BENCHMARK(LoadProcess)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// Converting the corpus's bytes by each way this processor has, in the same
// run, against the fastest: the target for the ways without AVX-512 is at
// most 1.5 times its time.
void ConvertToAnsi(benchmark::State& state) {
    const TCorpus& corpus = Corpus();
    std::string original;
    for (const std::string& path : corpus.Paths)
        original += ReadFileBytes(path, LargestSongFile).View();
    std::string buffer = original;
    const std::vector<std::pair<TOemConversion, const char*>> ways = {
        {TOemConversion::Scalar, "scalar"}, {TOemConversion::Avx2, "avx2"}, {TOemConversion::Avx512Vbmi, "avx512"}};
    std::vector<double> seconds(ways.size());
    for (auto _ : state) {
        double last = 0;
        for (std::size_t k = 0; k < ways.size(); ++k) {
            if (!ProcessorHas(ways[k].first))
                continue;
            std::memcpy(buffer.data(), original.data(), original.size());
            const auto start = TClock::now();
            OemToAnsiInPlace(buffer.data(), buffer.size(), ways[k].first);
            last = Seconds(TClock::now() - start);
            seconds[k] += last;
            benchmark::DoNotOptimize(buffer.data());
        }
        state.SetIterationTime(last); // the way a load takes
    }
    const double iterations = static_cast<double>(state.iterations());
    const double fastest = *std::min_element(seconds.begin(), seconds.end(),
                                             [](double a, double b) { return a > 0 && (b == 0 || a < b); });
    for (std::size_t k = 0; k < ways.size(); ++k) {
        if (seconds[k] == 0)
            continue;
        state.counters[std::string(ways[k].second) + "_ms"] = seconds[k] * 1e3 / iterations;
        state.counters[std::string(ways[k].second) + "/fastest"] = seconds[k] / fastest;
    }
}

BENCHMARK(ConvertToAnsi)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && argv[1] == LoadOnlyOption) {
        std::unique_ptr<TArtist> artists;
        LoadSongLibrary(argv[2], artists, nullptr);
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
