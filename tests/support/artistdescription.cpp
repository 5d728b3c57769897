#include "tests/support/artistdescription.h"

#include "library/artist.h"
#include "tests/support/songfixture.h"
#include "tests/support/tempdirectory.h"

#include <gtest/gtest.h>

namespace {

std::string Quoted(std::string_view ansi) {
    return '"' + Utf8FromAnsi(ansi) + '"';
}

std::string DescribeParagraph(const TParagraph& paragraph) {
    std::string text = "  " + std::to_string(paragraph.Kind) + " [";
    const char* separator = "";
    for (std::string_view line : paragraph.Lines) {
        text += separator + Quoted(line);
        separator = ", ";
    }
    return text + "]\n";
}

std::string DescribeSong(const TSong& song) {
    std::string text = "song " + Quoted(song.Title) + " authors " + Quoted(song.Authors) + " comment " +
                       Quoted(song.Comment) + (song.IsNew ? " new" : "") + (song.IsMine ? " mine" : "") +
                       (song.IsVulgar ? " vulg" : "") + "\n";
    const TParagraph* last = nullptr;
    for (const TParagraph* paragraph = song.FirstParagraph.get(); paragraph; paragraph = paragraph->Next.get()) {
        EXPECT_EQ(&song, paragraph->Song);
        text += DescribeParagraph(*paragraph);
        last = paragraph;
    }
    EXPECT_EQ(last, song.LastParagraph);
    return text;
}

} // namespace

std::string DescribeArtist(const TArtist& artist) {
    std::string text = "artist " + Quoted(artist.ArtistName) + " page " + Quoted(artist.PageTitle) + "\n";
    const TSong* last = nullptr;
    for (const TSong* song = artist.FirstSong.get(); song; song = song->Next.get()) {
        EXPECT_EQ(&artist, song->Artist);
        text += DescribeSong(*song);
        last = song;
    }
    EXPECT_EQ(last, artist.LastSong);
    return text;
}

std::string ParseAndDescribe(const std::vector<std::string>& utf8Lines) {
    TTempDirectory folder;
    WriteBytes(folder / "artist.txt", SongFileBytes(utf8Lines));
    return DescribeArtist(TArtist(folder / "artist.txt"));
}
