#include "library/song.h"

#include "library/artist.h"
#include "library/chain.h"
#include "library/keyword.h"

TSong::TSong(TArtist& artist, std::string title, TParseKey) : Title(std::move(title)), Artist(&artist) {
    while (!AtEnd()) {
        const TCommandLine line = ReadCommandLine();
        const TKeyword keyword = MatchKeyword(line.Command);
        switch (keyword) {
        case TKeyword::Title:
            PushBack(line);
            return;
        case TKeyword::Authors:
            Authors = line.Text;
            break;
        case TKeyword::Comment:
            Comment = line.Text;
            break;
        case TKeyword::Mine:
            IsMine = true;
            break;
        case TKeyword::New:
            IsNew = true;
            break;
        case TKeyword::Vulg:
            IsVulgar = true;
            break;
        case TKeyword::Normal:
            AddParagraph(std::make_unique<TNormal>(*this, TParseKey()));
            break;
        case TKeyword::Verse:
            AddParagraph(std::make_unique<TVerse>(*this, TParseKey()));
            break;
        case TKeyword::DefVerse:
            AddParagraph(std::make_unique<TDefVerse>(*this, TParseKey()));
            break;
        case TKeyword::Chords:
            AddParagraph(std::make_unique<TChords>(*this, TParseKey()));
            break;
        case TKeyword::Tab:
            AddParagraph(std::make_unique<TTab>(*this, TParseKey()));
            break;
        case TKeyword::Details:
            AddParagraph(std::make_unique<TDetails>(*this, TParseKey()));
            break;
        case TKeyword::None:
        case TKeyword::PageTitle:
        case TKeyword::Artist:
            Artist->ReportIgnored(line, keyword, true);
            break;
        }
    }
}

TSong::~TSong() {
    UnlinkChain(Next);
}

void TSong::AddParagraph(std::unique_ptr<TParagraph> paragraph) {
    AppendToChain(FirstParagraph, LastParagraph, std::move(paragraph));
}

TCommandLine TSong::ReadCommandLine() {
    return Artist->ReadCommandLine();
}
void TSong::PushBack(const TCommandLine& line) {
    Artist->PushBack(line);
}
bool TSong::AtEnd() const {
    return Artist->AtEnd();
}

const std::string& SongArtistName(const TSong& song) {
    return song.Artist->ArtistName;
}
