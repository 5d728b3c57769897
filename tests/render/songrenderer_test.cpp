#include "library/artist.h"
#include "render/songrenderer.h"
#include "render/styleslots.h"
#include "tests/support/songfixture.h"
#include "tests/support/tempdirectory.h"

#include <gtest/gtest.h>

namespace {

struct TRenderedLine {
    std::string Text; // UTF-8
    TAlignment Alignment;
    TStyleSlot Slot;
    bool operator==(const TRenderedLine&) const = default;
};

const TRenderStyle Standard{StyleFonts, StandardPixelsPerInch};

TCharacterFormat SlotFormat(TStyleSlot slot) {
    TRichDocument document(StandardPixelsPerInch);
    ApplyStyleSlot(slot, document, Standard);
    return document.InsertionFormat();
}

// Each paragraph of the document with its alignment and the slot whose
// format its text (or, for an empty line, its paragraph mark) carries.
std::vector<TRenderedLine> Lines(const TRichDocument& document) {
    std::vector<TRenderedLine> lines;
    std::size_t start = 0;
    for (std::size_t index = 0; index + 1 < document.Paragraphs().size(); ++index) {
        const std::size_t mark = document.Text().find('\r', start);
        const TCharacterFormat* format = nullptr;
        for (const TFormatRun& run : document.Runs()) {
            if (run.Start <= start)
                format = &run.Format;
        }
        TStyleSlot slot = -1;
        for (TStyleSlot candidate = 0; candidate < StyleSlot::Count && slot < 0; ++candidate) {
            if (format && *format == SlotFormat(candidate))
                slot = candidate;
        }
        EXPECT_EQ(20, document.Paragraphs()[index].FirstLineIndentTwips);
        lines.push_back(
            {Utf8FromAnsi(document.Text().substr(start, mark - start)), document.Paragraphs()[index].Alignment, slot});
        start = mark + 1;
    }
    return lines;
}

class RenderSongTest : public ::testing::Test {
protected:
    const TArtist& Parse(const std::vector<std::string>& lines) {
        WriteBytes(m_folder / "a.txt", SongFileBytes(lines));
        m_artist = std::make_unique<TArtist>(m_folder / "a.txt");
        return *m_artist;
    }

    TTempDirectory m_folder;
    std::unique_ptr<TArtist> m_artist;
};

constexpr TAlignment L = TAlignment::Left;
constexpr TAlignment C = TAlignment::Center;

TEST_F(RenderSongTest, RendersTheWorkedExampleLineForLine) {
    const TArtist& artist = Parse({".artist Example Band", ".title Evening Song", ".authors J. Doe", ".verse",
                                   "Night is falling", "over the hill", ".defverse", "Am C", "Stars are rising", "",
                                   "G Am", "one by one", ".details", "Capo 2", "Am x02210"});
    TRichDocument document(StandardPixelsPerInch);
    RenderSong(*artist.FirstSong, document, Standard);
    const std::vector<TRenderedLine> expected = {
        {"", L, 0},     {"Example Band", C, 4},     {"Evening Song", C, 4},  {"J. Doe", C, 5},
        {"", L, 0},     {"Night is falling", L, 1}, {"over the hill", L, 1}, {"", L, 0},
        {"Am C", L, 2}, {"Stars are rising", L, 1}, {"G Am", L, 1},          {"one by one", L, 2},
        {"", L, 0},     {"Capo 2", L, 0},           {"Am x02210", L, 2},
    };
    EXPECT_EQ(expected, Lines(document));

    RenderSong(*artist.FirstSong, document, Standard);
    std::vector<TRenderedLine> twice = expected;
    twice.insert(twice.end(), expected.begin(), expected.end());
    EXPECT_EQ(twice, Lines(document));
}

TEST_F(RenderSongTest, RendersHeadersAndEmptyParagraphs) {
    const TArtist& artist = Parse({".title", ".normal", ".verse", ".chords", ".tab", ".defverse", "", "", ".details",
                                   "first", "", "  ", ".title Ő", ".defverse", "  ", "x"});
    TRichDocument document(StandardPixelsPerInch);
    RenderArtist(artist, document, Standard);
    const std::vector<TRenderedLine> expected = {
        {"", L, 0},   {"", C, 4},      {"", C, 4}, // empty name and title, no authors
        {"", L, 0},   {"", L, 0},      {"", L, 0},  {"", L, 0},
        {"", L, 0},                                               // four empty paragraphs, all-empty defverse
        {"", L, 0},   {"first", L, 0}, {"", L, 2},  {"  ", L, 2}, // details
        {"", L, 0},   {"", C, 4},      {"Ő", C, 4}, {"", L, 0},
        {"  ", L, 2}, {"x", L, 1}, // second song follows directly
    };
    EXPECT_EQ(expected, Lines(document));
}

// The renderer sets a slot's format once for the lines of a slot that
// follow each other; over a selection left in the document it must do what
// ApplyStyleSlot before each line does: the selection takes the slot, the
// first line the format at the caret, the next line the slot.
TEST_F(RenderSongTest, RendersOverASelectionAsApplyingTheSlotBeforeEachLine) {
    const TArtist& artist = Parse({".title T", ".verse", "egy", "kettő", "három"});
    const auto& verse = dynamic_cast<const TVerse&>(*artist.FirstSong->FirstParagraph);
    TRichDocument rendered(StandardPixelsPerInch);
    TRichDocument applied(StandardPixelsPerInch);
    for (TRichDocument* document : {&rendered, &applied}) {
        ApplyStyleSlot(StyleSlot::Title, *document, Standard);
        document->AppendLine("régi");
        document->SetSelectionStart(1);
        document->SetSelectionLength(2);
    }
    Render(verse, rendered, Standard);
    for (std::string_view line : verse.Lines) {
        ApplyStyleSlot(StyleSlot::Verse, applied, Standard);
        applied.AppendLine(line);
    }
    EXPECT_EQ(applied.Text(), rendered.Text());
    ASSERT_EQ(applied.Runs().size(), rendered.Runs().size());
    for (std::size_t run = 0; run < applied.Runs().size(); ++run) {
        EXPECT_EQ(applied.Runs()[run].Start, rendered.Runs()[run].Start) << run;
        EXPECT_EQ(applied.Runs()[run].Format, rendered.Runs()[run].Format) << run;
    }
    EXPECT_EQ(SlotFormat(StyleSlot::Verse, Standard), rendered.Runs().back().Format);
}

TEST_F(RenderSongTest, FailsOnAParagraphWhoseKindNamesAnotherClass) {
    const TArtist& artist = Parse({".title T", ".verse", "x"});
    artist.FirstSong->FirstParagraph->Kind = TChords::KindNumber;
    TRichDocument document(StandardPixelsPerInch);
    EXPECT_THROW(RenderSong(*artist.FirstSong, document, Standard), TInvalidConversion);
    artist.FirstSong->FirstParagraph->Kind = 9; // an unknown kind renders its separator only
    TRichDocument other(StandardPixelsPerInch);
    RenderSong(*artist.FirstSong, other, Standard);
    EXPECT_EQ(4u, Lines(other).size());
}

} // namespace
