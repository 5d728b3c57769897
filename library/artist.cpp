#include "library/artist.h"

#include "library/chain.h"
#include "library/parseobserver.h"
#include "library/songfile.h"
#include "platform/pathtext.h"

namespace {

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

TIgnoredReason ReasonFor(const TCommandLine& line, TKeyword keyword, bool insideSong) {
    if (line.Command.empty())
        return insideSong ? TIgnoredReason::TextOutsideParagraph : TIgnoredReason::HeaderText;
    if (keyword != TKeyword::None)
        return insideSong ? TIgnoredReason::HeaderCommandInSong : TIgnoredReason::CommandBeforeFirstTitle;
    return line.Command.find('\t') != std::string_view::npos ? TIgnoredReason::CommandEndedByTab
                                                             : TIgnoredReason::UnknownCommand;
}

} // namespace

TArtist::TArtist(const std::string& path, TParseObserver* observer, TByteArena* arena)
    : FileName(Utf8FromPath(PathFromUtf8(path).filename())), SongFile(std::make_unique<TSongFile>(path, arena)),
      m_observer(observer) {
    while (!AtEnd()) {
        const TCommandLine line = ReadCommandLine();
        const TKeyword keyword = MatchKeyword(line.Command);
        if (keyword == TKeyword::PageTitle)
            PageTitle = line.Text;
        else if (keyword == TKeyword::Artist)
            ArtistName = line.Text;
        else if (keyword == TKeyword::Title)
            AddSong(std::make_unique<TSong>(*this, std::string(line.Text), TParseKey()));
        else
            ReportIgnored(line, keyword, false);
    }
    m_text = SongFile->TakeText();
    SongFile.reset();
}

TArtist::~TArtist() {
    UnlinkChain(Next);
}

void TArtist::AddSong(std::unique_ptr<TSong> song) {
    AppendToChain(FirstSong, LastSong, std::move(song));
}

TCommandLine TArtist::ReadCommandLine() {
    if (HasPending) {
        HasPending = false;
        return Pending;
    }
    return SongFile->ReadCommandLine();
}

void TArtist::PushBack(const TCommandLine& line) {
    Pending = line;
    HasPending = true;
}

bool TArtist::AtEnd() const {
    return !HasPending && (!SongFile || SongFile->AtEnd());
}

// Blank lines between paragraphs are layout, not mistakes: they are not reported.
void TArtist::ReportIgnored(const TCommandLine& line, TKeyword keyword, bool insideSong) const {
    if (m_observer && !(line.Command.empty() && IsBlank(line.Text)))
        m_observer->LineIgnored(line, ReasonFor(line, keyword, insideSong));
}

void TArtist::ReportParagraph(const TParagraph& paragraph, std::size_t firstLineNumber) const {
    if (m_observer)
        m_observer->ParagraphRead(paragraph, firstLineNumber);
}
