#include "tests/chords/chordfixture.h"

#include "chords/transposer.h"
#include "library/artist.h"
#include "tests/support/songfixture.h"
#include "tests/support/tempdirectory.h"

std::unique_ptr<TArtist> ArtistFromLines(const std::vector<std::string>& utf8Lines) {
    TTempDirectory folder;
    WriteBytes(folder / "artist.txt", SongFileBytes(utf8Lines));
    return std::make_unique<TArtist>(folder / "artist.txt");
}

std::unique_ptr<TArtist> ChordsSong(const std::vector<std::string>& utf8Lines) {
    std::vector<std::string> file = {".title T", ".chords"};
    file.insert(file.end(), utf8Lines.begin(), utf8Lines.end());
    return ArtistFromLines(file);
}

std::vector<std::string> Transposed(const std::vector<std::string>& utf8Lines, int semitones, TNotation fallback) {
    const std::unique_ptr<TArtist> artist = ChordsSong(utf8Lines);
    const TSong& song = *artist->FirstSong;
    const TTransposer transposer(song, semitones, fallback);
    std::vector<std::string> lines;
    for (std::string_view line : song.FirstParagraph->Lines)
        lines.push_back(Utf8FromAnsi(transposer.TransposeLine(line)));
    return lines;
}
