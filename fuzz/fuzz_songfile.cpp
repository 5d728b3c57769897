// Every byte sequence is a valid song file: reading and parsing one must
// never crash, hang or leak, and the model must keep its list invariants.

#include "fuzz/fuzzinput.h"
#include "library/artist.h"
#include "library/parseobserver.h"

#include <fstream>

namespace {

class TLineNumberCheck : public TParseObserver {
public:
    void LineIgnored(const TCommandLine& line, TIgnoredReason) override {
        if (line.LineNumber == 0)
            std::abort();
    }
};

void CheckSong(const TSong& song) {
    const TParagraph* last = nullptr;
    for (const TParagraph* paragraph = song.FirstParagraph.get(); paragraph; paragraph = paragraph->Next.get()) {
        Require(paragraph->Song == &song && paragraph->Kind >= 0 && paragraph->Kind <= 5);
        std::size_t lines = 0;
        std::size_t characters = 0;
        for (std::string_view line : paragraph->Lines) {
            characters += line.size();
            ++lines;
        }
        Require(lines == paragraph->Lines.size() && characters < (std::size_t{1} << 30));
        last = paragraph;
    }
    Require(last == song.LastParagraph);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path = ScratchPath("song.txt");
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    TLineNumberCheck observer;
    const TArtist artist(path, &observer);
    const TSong* last = nullptr;
    for (const TSong* song = artist.FirstSong.get(); song; song = song->Next.get()) {
        Require(song->Artist == &artist);
        CheckSong(*song);
        last = song;
    }
    Require(last == artist.LastSong);
    return 0;
}
