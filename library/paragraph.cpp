#include "library/paragraph.h"

#include "library/artist.h"
#include "library/chain.h"
#include "library/song.h"

TParagraph::TParagraph(TSong& song, std::int32_t kind, TParseKey) : Kind(kind), Song(&song) {
    // Text lines always come straight from the file (only command lines are
    // pushed back), so the paragraph's lines are one stretch of its text.
    const char* first = nullptr;
    const char* last = nullptr;
    std::size_t count = 0;
    std::size_t firstLineNumber = 0;
    while (!AtEnd()) {
        const TCommandLine line = ReadCommandLine();
        if (!line.Command.empty()) {
            PushBack(line);
            break;
        }
        if (count++ == 0) {
            first = line.Line.data();
            firstLineNumber = line.LineNumber;
        }
        last = line.Line.data() + line.Line.size();
    }
    Lines = TLineList(first, last, count);
    Song->Artist->ReportParagraph(*this, firstLineNumber);
}

TParagraph::~TParagraph() {
    UnlinkChain(Next);
}

TCommandLine TParagraph::ReadCommandLine() {
    return Song->ReadCommandLine();
}
void TParagraph::PushBack(const TCommandLine& line) {
    Song->PushBack(line);
}
bool TParagraph::AtEnd() const {
    return Song->AtEnd();
}

bool InChordPosition(std::int32_t kind, std::size_t position) {
    return kind == TChords::KindNumber || (kind == TDefVerse::KindNumber && position % 2 == 0);
}
