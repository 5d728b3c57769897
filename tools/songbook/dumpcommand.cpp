#include "tools/songbook/dumpcommand.h"

#include "tools/songbook/jsonwriter.h"

namespace {

void WriteParagraph(std::ostream& out, const TParagraph& paragraph) {
    out << "{\"kind\":" << paragraph.Kind << ",\"lines\":[";
    const char* separator = "";
    for (std::string_view line : paragraph.Lines) {
        out << separator;
        WriteJsonAnsiString(out, line);
        separator = ",";
    }
    out << "]}";
}

void WriteSong(std::ostream& out, const TSong& song) {
    out << "{\"title\":";
    WriteJsonAnsiString(out, song.Title);
    out << ",\"authors\":";
    WriteJsonAnsiString(out, song.Authors);
    out << ",\"comment\":";
    WriteJsonAnsiString(out, song.Comment);
    out << ",\"isNew\":" << std::boolalpha << song.IsNew << ",\"isMine\":" << song.IsMine
        << ",\"isVulgar\":" << song.IsVulgar << ",\"paragraphs\":[";
    for (const TParagraph* paragraph = song.FirstParagraph.get(); paragraph; paragraph = paragraph->Next.get()) {
        WriteParagraph(out, *paragraph);
        if (paragraph->Next)
            out << ',';
    }
    out << "]}";
}

void WriteArtist(std::ostream& out, const TArtist& artist, const std::string& path) {
    out << "{\"file\":";
    WriteJsonPathString(out, path);
    out << ",\"pageTitle\":";
    WriteJsonAnsiString(out, artist.PageTitle);
    out << ",\"artistName\":";
    WriteJsonAnsiString(out, artist.ArtistName);
    out << ",\"songs\":[\n";
    for (const TSong* song = artist.FirstSong.get(); song; song = song->Next.get()) {
        WriteSong(out, *song);
        out << (song->Next ? ",\n" : "\n");
    }
    out << "]}";
}

} // namespace

void WriteLibraryJson(std::ostream& out, const TArtist* artists, const std::vector<std::string>& paths,
                      const std::vector<TLoadFailure>& failures) {
    out << "{\"artists\":[\n";
    std::size_t index = 0;
    for (const TArtist* artist = artists; artist; artist = artist->Next.get(), ++index) {
        WriteArtist(out, *artist, index < paths.size() ? paths[index] : std::string());
        out << (artist->Next ? ",\n" : "\n");
    }
    out << "],\n\"errors\":[";
    const char* separator = "\n";
    for (const TLoadFailure& failure : failures) {
        out << separator << "{\"file\":";
        WriteJsonPathString(out, failure.Path);
        out << ",\"message\":";
        WriteJsonPathString(out, failure.Message);
        out << '}';
        separator = ",\n";
    }
    out << "\n]}\n";
}
