#include "tests/chords/chordfixture.h"

#include "library/artist.h"
#include "tests/support/songfixture.h"
#include "tests/support/tempdirectory.h"

std::unique_ptr<TArtist> ArtistFromLines(const std::vector<std::string>& utf8Lines) {
    TTempDirectory folder;
    WriteBytes(folder / "artist.txt", SongFileBytes(utf8Lines));
    return std::make_unique<TArtist>(folder / "artist.txt");
}
