#include "bench/corpusgenerator.h"

#include <iostream>
#include <string>

int main(int argc, char** argv) {
    if (argc < 2 || argc > 4) {
        std::cerr << "usage: generate_corpus DIR [ARTISTS [SONGS_PER_ARTIST]]\n";
        return 2;
    }
    TCorpusSize size;
    if (argc > 2)
        size.Artists = std::stoul(argv[2]);
    if (argc > 3)
        size.SongsPerArtist = std::stoul(argv[3]);
    const auto bytes = GenerateCorpus(argv[1], size);
    std::cout << size.Artists << " files, " << size.Artists * size.SongsPerArtist << " songs, " << bytes << " bytes in "
              << argv[1] << '\n';
}
