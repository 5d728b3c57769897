#include "tools/songbook/pdfexport.h"

#include "print/pdfbook.h"
#include "qtbridge/qttext.h"

#include <QGuiApplication>

namespace {

QPageSize::PageSizeId PaperSize(const std::string& name) {
    if (name == "A5")
        return QPageSize::A5;
    return name == "Letter" ? QPageSize::Letter : QPageSize::A4;
}

std::size_t NextParagraph(const TRichDocument& document) {
    return document.Paragraphs().size() - 1;
}

// Qt's notes about the machine (no runtime folder, a font fallback) are not
// songbook's to print: its standard error is for what the user must know.
void KeepOnlyQtsErrors(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        qt_message_output(type, context, message);
}

TPdfBook PdfBookFor(const TPdfRequest& request) {
    const TPdfArguments& arguments = request.Arguments;
    TPdfBook book;
    book.Paper = PaperSize(arguments.Paper);
    book.Landscape = arguments.Landscape;
    book.Margins = request.Margins;
    if (const auto& given = arguments.Margins)
        book.Margins = {.Left = (*given)[2], .Top = (*given)[0], .Right = (*given)[3], .Bottom = (*given)[1]};
    book.Pages.KeepVerses = request.KeepVerses || arguments.KeepVerses;
    book.Pages.Columns = arguments.Columns;
    book.Pages.PageNumbers = arguments.PageNumbers;
    book.Contents = arguments.Contents;
    return book;
}

} // namespace

struct TPdfSession::TApplication {
    TApplication(int& argc, char** argv) : Application(argc, argv) {}
    QGuiApplication Application;
};

TPdfSession::TPdfSession() {
    if (QGuiApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "songbook";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen"); // songbook shows no window, with a display or without
    qInstallMessageHandler(KeepOnlyQtsErrors);
    m_application = std::make_unique<TApplication>(argc, argv);
}

TPdfSession::~TPdfSession() = default;

void SaveAsPdf(const TArtist& artist, const std::string& path, const TRenderStyle& style, TSongChange& change,
               const TPdfRequest& request) {
    TRichDocument document(style.PixelsPerInch);
    std::vector<TBookSong> songs;
    // Told after each song: the next one starts at the document's next paragraph.
    const TSong* next = artist.FirstSong.get();
    const auto noteNextSong = [&](std::size_t) {
        if (next) {
            songs.push_back({next->Title, NextParagraph(document)});
            next = next->Next.get();
        }
        return true;
    };
    noteNextSong(0);
    RenderArtist(artist, document, style, change, noteNextSong);
    TPdfBook book = PdfBookFor(request);
    book.Title = FromAnsi(artist.ArtistName);
    WritePdfBook(document, songs, book, path);
}

void SaveAsPdf(const TSetBook& set, const std::string& path, const TRenderStyle& style, TSongChange& change,
               const TPdfRequest& request) {
    TRichDocument document(style.PixelsPerInch);
    std::vector<TBookSong> songs;
    const auto noteNextSong = [&](std::size_t done) {
        if (done < set.Songs.size()) {
            const TSong& next = *set.Songs[done];
            songs.push_back({SongArtistName(next) + " - " + next.Title, NextParagraph(document)});
        }
        return true;
    };
    noteNextSong(0);
    RenderSet(set, document, style, change, noteNextSong);
    TPdfBook book = PdfBookFor(request);
    book.Title = QString::fromStdString(set.Name);
    book.ContentsInOrder = true;
    WritePdfBook(document, songs, book, path);
}

void SaveAsPdf(const TSong& song, const std::string& path, const TRenderStyle& style, TSongChange& change,
               const TPdfRequest& request) {
    TRichDocument document(style.PixelsPerInch);
    const std::vector<TBookSong> songs{{song.Title, NextParagraph(document)}};
    RenderSong(song, document, style, change);
    TPdfBook book = PdfBookFor(request);
    book.Title = FromAnsi(SongArtistName(song) + " - " + song.Title);
    WritePdfBook(document, songs, book, path);
}
