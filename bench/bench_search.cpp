// Builds the search index over a generated library and times queries on it.
// Every query is compared with one memmem pass over the index's folded text
// in the same run (for a word the text lacks, so the pass reads every byte),
// because absolute times on a shared machine are noise. The target is a
// query under 30 ms on 100,000 songs.
//
// VIVIRA_BENCH_ARTISTS and VIVIRA_BENCH_SONGS set the corpus size
// (default 2000 files x 50 songs, about 90 MB).

#include "bench/benchcorpus.h"
#include "library/loader.h"
#include "platform/codepage.h"
#include "search/searchindex.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <malloc.h>
#include <string>

namespace {

const TArtist* LoadedArtists() {
    static const std::unique_ptr<TArtist> artists = [] {
        std::unique_ptr<TArtist> loaded;
        LoadSongLibrary(Corpus().Directory, loaded, nullptr);
        return loaded;
    }();
    return artists.get();
}

const TSearchIndex& Index() {
    static const TSearchIndex index(LoadedArtists());
    return index;
}

// Large blocks are mapped apart from the heap's arena: both count.
std::size_t HeapBytes() {
    const struct mallinfo2 info = ::mallinfo2();
    return info.uordblks + info.hblkhd;
}

double MemmemSeconds(const TSearchIndex& index) {
    static const std::string absent = "kiskacsa";
    const std::span<const unsigned char> text = index.FoldedText();
    const auto start = TClock::now();
    const void* found = ::memmem(text.data(), text.size(), absent.data(), absent.size());
    benchmark::DoNotOptimize(found);
    return Seconds(TClock::now() - start);
}

void BuildIndex(benchmark::State& state) {
    const TCorpus& corpus = Corpus();
    const TArtist* artists = LoadedArtists();
    double buildSeconds = 0;
    double readSeconds = 0;
    double memoryBytes = 0;
    double heapBytes = 0;
    for (auto _ : state) {
        const auto readStart = TClock::now();
        ReadAllBytes(corpus);
        readSeconds += Seconds(TClock::now() - readStart);
        const std::size_t before = HeapBytes();
        const auto start = TClock::now();
        const TSearchIndex index(artists);
        const double seconds = Seconds(TClock::now() - start);
        state.SetIterationTime(seconds);
        buildSeconds += seconds;
        heapBytes = static_cast<double>(HeapBytes() - before);
        memoryBytes = static_cast<double>(index.MemoryBytes());
    }
    const double corpusBytes = static_cast<double>(corpus.Bytes);
    state.counters["corpus_MB"] = corpusBytes / 1e6;
    state.counters["index_MB"] = memoryBytes / 1e6;
    state.counters["index/corpus"] = memoryBytes / corpusBytes;
    state.counters["heap/corpus"] = heapBytes / corpusBytes;
    state.counters["build/read"] = buildSeconds / readSeconds;
}

BENCHMARK(BuildIndex)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

void Query(benchmark::State& state, const std::string& utf8) {
    const TSearchIndex& index = Index();
    const TQuery query(Utf8ToAnsi(utf8).value());
    double querySeconds = 0;
    double anchorSeconds = 0;
    TSearchResult result;
    for (auto _ : state) {
        anchorSeconds += MemmemSeconds(index);
        const auto start = TClock::now();
        result = index.Find(query);
        const double seconds = Seconds(TClock::now() - start);
        state.SetIterationTime(seconds);
        querySeconds += seconds;
    }
    const auto lyricsHits = std::ranges::count(result.Songs, TMatchRank::Lyrics, &TSongHit::Rank);
    const double iterations = static_cast<double>(state.iterations());
    state.counters["query_ms"] = querySeconds * 1e3 / iterations;
    state.counters["memmem_ms"] = anchorSeconds * 1e3 / iterations;
    state.counters["query/memmem"] = querySeconds / anchorSeconds;
    state.counters["query/30ms"] = querySeconds / iterations / 0.030;
    state.counters["song_hits"] = static_cast<double>(result.Songs.size());
    state.counters["lyrics_hits"] = static_cast<double>(lyricsHits);
    state.counters["artist_hits"] = static_cast<double>(result.Artists.size());
}

void RegisterQuery(const std::string& name, const std::string& utf8) {
    benchmark::RegisterBenchmark(("Query/" + name + ":\"" + utf8 + "\"").c_str(), Query, utf8)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}

} // namespace

int main(int argc, char** argv) {
    RegisterQuery("one_word", "csillag");
    RegisterQuery("three_words", "tavaszi szel viz");
    RegisterQuery("accented", "őszi eső");
    RegisterQuery("no_hit", "kiskacsa");
    const std::string typed = "szerelem";
    for (std::size_t length = 1; length <= typed.size(); ++length)
        RegisterQuery("typing", typed.substr(0, length));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
