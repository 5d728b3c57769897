#include "tools/songbook/dumpcommand.h"

#include "platform/orderedwork.h"
#include "tools/songbook/jsonwriter.h"

namespace {

void WriteParagraph(TJsonWriter& json, const TParagraph& paragraph) {
    json.Raw("{\"kind\":").Number(paragraph.Kind).Raw(",\"lines\":[");
    const char* separator = "";
    for (std::string_view line : paragraph.Lines) {
        json.Raw(separator).AnsiString(line);
        separator = ",";
    }
    json.Raw("]}");
}

void WriteSong(TJsonWriter& json, const TSong& song) {
    json.Raw("{\"title\":").AnsiString(song.Title);
    json.Raw(",\"authors\":").AnsiString(song.Authors);
    json.Raw(",\"comment\":").AnsiString(song.Comment);
    json.Raw(",\"isNew\":").Boolean(song.IsNew).Raw(",\"isMine\":").Boolean(song.IsMine);
    json.Raw(",\"isVulgar\":").Boolean(song.IsVulgar).Raw(",\"paragraphs\":[");
    for (const TParagraph* paragraph = song.FirstParagraph.get(); paragraph; paragraph = paragraph->Next.get()) {
        WriteParagraph(json, *paragraph);
        if (paragraph->Next)
            json.Raw(",");
    }
    json.Raw("]}");
}

void WriteArtist(TJsonWriter& json, const TArtist& artist, const std::string& path) {
    json.Raw("{\"file\":").PathString(path);
    json.Raw(",\"pageTitle\":").AnsiString(artist.PageTitle);
    json.Raw(",\"artistName\":").AnsiString(artist.ArtistName);
    json.Raw(",\"songs\":[\n");
    for (const TSong* song = artist.FirstSong.get(); song; song = song->Next.get()) {
        WriteSong(json, *song);
        json.Raw(song->Next ? ",\n" : "\n");
    }
    json.Raw("]}");
}

} // namespace

// Each artist is written on one thread or another, and all of them go out
// in load order from this one.
void WriteLibraryJson(std::ostream& out, const TArtist* artists, const std::vector<std::string>& paths,
                      const std::vector<TLoadFailure>& failures) {
    std::vector<const TArtist*> list;
    for (const TArtist* artist = artists; artist; artist = artist->Next.get())
        list.push_back(artist);
    const std::size_t threads = DefaultThreads();
    TOrderedWork<std::string> written(
        list.size(), threads,
        [&](std::size_t index, std::size_t) {
            TJsonWriter json;
            WriteArtist(json, *list[index], index < paths.size() ? paths[index] : std::string());
            return std::string(json.Text());
        },
        4 * threads);
    TJsonWriter json(out);
    json.Raw("{\"artists\":[\n");
    for (std::size_t index = 0; index < list.size(); ++index)
        json.Raw(written.Take()).Raw(index + 1 < list.size() ? ",\n" : "\n");
    json.Raw("],\n\"errors\":[");
    const char* separator = "\n";
    for (const TLoadFailure& failure : failures) {
        json.Raw(separator).Raw("{\"file\":").PathString(failure.Path);
        json.Raw(",\"message\":").PathString(failure.Message).Raw("}");
        separator = ",\n";
    }
    json.Raw("\n]}\n");
}
