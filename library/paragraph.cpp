#include "library/paragraph.h"

#include "library/chain.h"
#include "library/song.h"

TParagraph::TParagraph(TSong& song, std::int32_t kind) : Kind(kind), Song(&song) {
    while (!AtEnd()) {
        const TCommandLine line = ReadCommandLine();
        if (!line.Command.empty()) {
            PushBack(line);
            break;
        }
        Lines.push_back(line.Text);
    }
    Lines.shrink_to_fit();
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
