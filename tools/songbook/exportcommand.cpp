#include "tools/songbook/exportcommand.h"

#include "platform/atomicfilebatch.h"
#include "platform/codepage.h"
#include "platform/directorysearch.h"
#include "platform/filename.h"
#include "platform/pathtext.h"
#include "platform/unicode.h"
#include "render/plaintextwriter.h"
#include "render/songrenderer.h"
#include "setlist/setbook.h"
#include "setlist/setlistfile.h"
#include "tools/songbook/jsonwriter.h"
#include "tools/songbook/pdfexport.h"

#include <filesystem>
#include <set>

namespace {

// What the user typed, in the model's code page; a name that code page 1250
// cannot spell matches nothing.
std::string ModelText(const std::string& typed) {
    return Utf8ToAnsi(typed).value_or(std::string(1, '\0'));
}

std::string SongCaption(const TSong& song) {
    return SongArtistName(song) + " - " + song.Title;
}

const TArtist& FindArtist(const TArtist* artists, const std::string& name) {
    const std::string wanted = ModelText(name);
    for (const TArtist* artist = artists; artist; artist = artist->Next.get()) {
        if (artist->ArtistName == wanted)
            return *artist;
    }
    throw TCommandFailure("no artist named \"" + name + "\"");
}

const TSong& FindSong(const TArtist* artists, const std::string& caption) {
    const std::string wanted = ModelText(caption);
    for (const TArtist* artist = artists; artist; artist = artist->Next.get()) {
        for (const TSong* song = artist->FirstSong.get(); song; song = song->Next.get()) {
            if (SongCaption(*song) == wanted)
                return *song;
        }
    }
    throw TCommandFailure("no song \"" + caption + "\" (give it as \"ARTIST - TITLE\")");
}

template <class Item>
void Save(const Item& item, void (*render)(const Item&, TRichDocument&, const TRenderStyle&, TSongChange&),
          const std::string& path, const TExportFormat& format, std::ostream& out) {
    if (format.Pdf) {
        SaveAsPdf(item, path, format.Style, format.Change, *format.Pdf);
    } else {
        TRichDocument document(format.Style.PixelsPerInch);
        render(item, document, format.Style, format.Change);
        document.SaveRichTextFile(path);
    }
    out << PathForDisplay(path) << '\n';
}

// Rich Text songbooks are put in place this many at a time, with one flush
// to disk for each batch (see TAtomicFileBatch): a crash loses at most the
// files of the batch being written, each whole.
constexpr std::size_t FilesPerBatch = 256;

// Songbooks that are complete, waiting to take their names together; each
// is listed on out once it has.
class TExportBatch {
public:
    explicit TExportBatch(std::ostream& out) : m_out(out) {}

    void Add(const TArtist& artist, const std::string& path, const TExportFormat& format) {
        TRichDocument document(format.Style.PixelsPerInch);
        RenderArtist(artist, document, format.Style, format.Change);
        document.SaveRichTextFile(path, m_files);
        m_paths.push_back(path);
    }

    // Every songbook added is in place or reported among the failures.
    void Commit(std::vector<std::string>& failures) {
        std::set<std::string> failed;
        for (const TAtomicFileFailure& failure : m_files.Commit()) {
            failed.insert(Utf8FromPath(failure.Target));
            failures.push_back(PathForDisplay(SaveFailureMessage(Utf8FromPath(failure.Target), failure.Reason)));
        }
        for (const std::string& path : m_paths) {
            if (!failed.contains(Utf8FromPath(PathFromUtf8(path))))
                m_out << PathForDisplay(path) << '\n';
        }
        m_paths.clear();
    }

    std::size_t Size() const { return m_paths.size(); }

private:
    std::ostream& m_out;
    TAtomicFileBatch m_files;
    std::vector<std::string> m_paths;
};

// One songbook per artist, named by the artist; a name taken twice gets a
// number. A songbook that cannot be written does not stop the others.
std::vector<std::string> ExportAll(const TArtist* artists, const std::string& folder, const TExportFormat& format,
                                   std::ostream& out) {
    std::error_code error;
    std::filesystem::create_directories(PathFromUtf8(folder), error);
    if (!std::filesystem::is_directory(PathFromUtf8(folder), error))
        throw TCommandFailure("cannot create folder " + PathForDisplay(folder));
    const std::string extension = format.Pdf ? ".pdf" : ".rtf";
    std::set<std::string> taken;
    std::vector<std::string> failures;
    TExportBatch batch(out);
    for (const TArtist* artist = artists; artist; artist = artist->Next.get()) {
        const std::string name = SafeFileName(AnsiToUtf8(artist->ArtistName));
        std::string fileName = name + extension;
        for (int number = 2; !taken.insert(fileName).second; ++number)
            fileName = name + " (" + std::to_string(number) + ")" + extension;
        try {
            if (format.Pdf)
                Save(*artist, RenderArtist, JoinPath(folder, fileName), format, out);
            else
                batch.Add(*artist, JoinPath(folder, fileName), format);
        } catch (const std::exception& failure) {
            failures.push_back(PathForDisplay(failure.what()));
        }
        if (batch.Size() == FilesPerBatch)
            batch.Commit(failures);
    }
    batch.Commit(failures);
    return failures;
}

// The set list's songs in its order, as one book named after its file. An
// entry that names no song of the library is listed, and the rest written.
std::vector<std::string> ExportSet(const TArtist* artists, const std::string& setFile, const std::string& path,
                                   const TExportFormat& format, std::ostream& out) {
    const std::string name = Utf8FromPath(PathFromUtf8(setFile).stem());
    const TSetBook book = SetBookOf({name, ReadSetListFile(setFile)}, TSetSongFinder(artists));
    if (book.Songs.empty())
        throw TCommandFailure("no song of the set list " + PathForDisplay(setFile) + " is in the library");
    Save(book, RenderSet, path, format, out);
    std::vector<std::string> missing;
    for (const std::string& entry : book.Missing)
        missing.push_back("not in the library, left out: " + ValidUtf8(entry));
    return missing;
}

} // namespace

std::vector<std::string> ExportSongs(const TArtist* artists, const TSongbookArguments& arguments,
                                     const TExportFormat& format, std::ostream& out) {
    if (arguments.All)
        return ExportAll(artists, *arguments.Output, format, out);
    if (arguments.Set)
        return ExportSet(artists, *arguments.Set, *arguments.Output, format, out);
    if (arguments.Artist)
        Save(FindArtist(artists, *arguments.Artist), RenderArtist, *arguments.Output, format, out);
    else
        Save(FindSong(artists, *arguments.Song), RenderSong, *arguments.Output, format, out);
    return {};
}

void PrintSong(const TArtist* artists, const std::string& caption, const TRenderStyle& style, TSongChange& change,
               std::ostream& out) {
    TRichDocument document(style.PixelsPerInch);
    RenderSong(FindSong(artists, caption), document, style, change);
    out << PlainText(document);
}
