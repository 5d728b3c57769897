#include "print/pdfbook.h"

#include "platform/atomicfile.h"
#include "platform/pathtext.h"
#include "print/contentspages.h"
#include "print/pageprinter.h"
#include "qtbridge/nameorder.h"
#include "qtbridge/qttext.h"

#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <memory>

namespace {

void SetUpPaper(QPdfWriter& writer, const TPdfBook& book) {
    writer.setPageSize(QPageSize(book.Paper));
    writer.setPageOrientation(book.Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0)); // the book's margins are measured from the paper's edges
    writer.setCreator("Vivira redir");
    writer.setTitle(book.Title);
}

// The songs by title in the tree's order, or in their own, each with the page it starts on.
std::vector<TContentsEntry> ContentsOf(const std::vector<TBookSong>& songs, const std::vector<int>& pages,
                                       bool inOrder) {
    std::vector<TContentsEntry> entries;
    entries.reserve(songs.size());
    if (inOrder) {
        for (std::size_t index = 0; index < songs.size(); ++index)
            entries.push_back({FromAnsi(songs[index].Title), pages[index]});
        return entries;
    }
    std::vector<std::string_view> titles;
    titles.reserve(songs.size());
    for (const TBookSong& song : songs)
        titles.push_back(song.Title);
    const TNameOrder order = SortNames(titles);
    for (const std::size_t index : order.Order)
        entries.push_back({order.Texts[index], pages[index]});
    return entries;
}

std::vector<std::size_t> FirstParagraphs(const std::vector<TBookSong>& songs) {
    std::vector<std::size_t> paragraphs;
    paragraphs.reserve(songs.size());
    for (const TBookSong& song : songs)
        paragraphs.push_back(song.FirstParagraph);
    return paragraphs;
}

// Lays the book out on the writer: the contents first when asked (their
// pages counted before the songs are numbered), then the songs.
void DrawBook(TRichDocument& document, const std::vector<TBookSong>& songs, const TPdfBook& book, QPdfWriter& writer) {
    document.PrintRect =
        PrintRectFor(book.Margins, writer.logicalDpiX(), writer.logicalDpiY(), writer.width(), writer.height());
    TDocumentPrinter printer(document, writer);
    TPageOptions pages = book.Pages;
    std::unique_ptr<TContentsPages> contents;
    if (book.Contents) {
        std::vector<int> starts;
        TPageOptions counting = pages;
        counting.FirstPageNumber = 0;
        printer.CountPages(counting, FirstParagraphs(songs), starts);
        // The contents take as many pages whatever their numbers say.
        const QFont font = printer.FirstFont();
        pages.FirstPageNumber +=
            TContentsPages(std::vector<TContentsEntry>(songs.size()), font, writer, printer.Area()).PageCount();
        for (int& start : starts)
            start += pages.FirstPageNumber;
        contents = std::make_unique<TContentsPages>(ContentsOf(songs, starts, book.ContentsInOrder), font, writer,
                                                    printer.Area());
    }
    QPainter painter;
    if (!painter.begin(&writer))
        throw TPdfError("Printing failed");
    if (contents)
        contents->Draw(painter);
    printer.Print(painter, pages, PrintToTheEnd);
    painter.end();
}

} // namespace

void WritePdfBook(TRichDocument& document, const std::vector<TBookSong>& songs, const TPdfBook& book,
                  const std::string& path) {
    TAtomicFile file(path);
    if (!file.Open())
        throw TPdfError("Cannot create file " + path + ": " + file.FailureReason());
    QFile output(QString::fromStdString(Utf8FromPath(file.TemporaryPath())));
    if (!output.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw TPdfError("Cannot create file " + path + ": " + output.errorString().toStdString());
    {
        QPdfWriter writer(&output);
        SetUpPaper(writer, book);
        DrawBook(document, songs, book, writer);
    }
    output.close();
    if (output.error() != QFileDevice::NoError)
        throw TPdfError("Failed to Save Stream: " + path + ": " + output.errorString().toStdString());
    if (!file.Commit())
        throw TPdfError("Failed to Save Stream: " + path + ": " + file.FailureReason());
}
