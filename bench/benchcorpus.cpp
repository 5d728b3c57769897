#include "bench/benchcorpus.h"

#include "platform/directorysearch.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace {

std::size_t FromEnvironment(const char* name, std::size_t fallback) {
    const char* value = std::getenv(name);
    return value ? std::stoul(value) : fallback;
}

} // namespace

double Seconds(TClock::duration duration) {
    return std::chrono::duration<double>(duration).count();
}

TCorpus::TCorpus(TCorpusSize size) {
    static int count = 0;
    Directory = (std::filesystem::temp_directory_path() /
                 ("vivira-corpus-" + std::to_string(::getpid()) + "-" + std::to_string(count++)))
                    .string();
    Bytes = GenerateCorpus(Directory, size);
    for (const std::string& name : FindSongFiles(Directory))
        Paths.push_back(JoinPath(Directory, name));
}

TCorpus::~TCorpus() {
    std::filesystem::remove_all(Directory);
}

const TCorpus& Corpus() {
    static const TCorpus corpus(
        {FromEnvironment("VIVIRA_BENCH_ARTISTS", 2000), FromEnvironment("VIVIRA_BENCH_SONGS", 50)});
    return corpus;
}

void ReadAllBytes(const TCorpus& corpus) {
    static std::vector<char> buffer(1 << 20);
    for (const std::string& path : corpus.Paths) {
        const int fd = ::open(path.c_str(), O_RDONLY);
        while (::read(fd, buffer.data(), buffer.size()) > 0)
            benchmark::DoNotOptimize(buffer.data());
        ::close(fd);
    }
}
