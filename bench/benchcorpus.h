#pragma once

#include "bench/corpusgenerator.h"

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

using TClock = std::chrono::steady_clock;

double Seconds(TClock::duration duration);

// A generated library in the temporary folder, removed at exit.
// VIVIRA_BENCH_ARTISTS and VIVIRA_BENCH_SONGS set its size (default 2000
// files x 50 songs, about 90 MB).
struct TCorpus {
    explicit TCorpus(TCorpusSize size);
    ~TCorpus();
    TCorpus(const TCorpus&) = delete;
    TCorpus& operator=(const TCorpus&) = delete;

    std::string Directory;
    std::vector<std::string> Paths;
    std::uint64_t Bytes = 0;
};

// The corpus of the size the environment asks for, made once per run.
const TCorpus& Corpus();

// The anchor: open, read and close every file into one reused buffer.
void ReadAllBytes(const TCorpus& corpus);
