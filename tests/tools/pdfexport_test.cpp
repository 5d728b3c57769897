// PDF songbooks written by songbook export, read back by pdftotext, pdfinfo
// and pdffonts: where every line landed, on which page, in which font.
#include "tests/support/externaltool.h"
#include "tests/support/pdfwords.h"
#include "tests/support/songfixture.h"
#include "tests/support/tempdirectory.h"
#include "tests/tools/songbookrun.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace {

constexpr double PointsPerMillimetre = 72.0 / 25.4;
constexpr double Tolerance = 0.5 * PointsPerMillimetre;

// Songs whose every line has a word of its own: "C<song>x<pair>" over
// "T<song>x<pair>" in verses with chords, "V<song>x<verse>x<line>" in verses.
// Their lengths vary so that page feet fall everywhere in them.
std::vector<std::string> SongLines(int song) {
    std::vector<std::string> lines{".title " + std::to_string(song) + ". ének", ".defverse"};
    for (int pair = 0; pair < 2 + song % 5; ++pair) {
        lines.push_back("C" + std::to_string(song) + "x" + std::to_string(pair) + "    Am");
        lines.push_back("T" + std::to_string(song) + "x" + std::to_string(pair) + " őszi szél fúj, ű");
    }
    for (int verse = 0; verse < 1 + song % 3; ++verse) {
        lines.push_back(".verse");
        for (int line = 0; line < 3 + (song + verse) % 6; ++line)
            lines.push_back("V" + std::to_string(song) + "x" + std::to_string(verse) + "x" + std::to_string(line));
    }
    return lines;
}

std::string SongbookFile(int songs) {
    std::vector<std::string> lines{".artist Dalos"};
    for (int song = 1; song <= songs; ++song) {
        const auto more = SongLines(song);
        lines.insert(lines.end(), more.begin(), more.end());
    }
    return SongFileBytes(lines);
}

// The first word of each printed line, and the page it is on.
std::map<std::string, int> FirstWordPages(const TPdfText& text) {
    std::map<std::string, int> pages;
    for (const auto& line : PdfLines(text))
        pages.emplace(line.front().Text, line.front().Page);
    return pages;
}

class PdfExport : public SongbookWithSettings {
protected:
    void SetUp() override {
        SongbookWithSettings::SetUp();
        WriteBytes(m_data / "a.txt", SongbookFile(60));
    }

    TPdfText Export(std::vector<std::string> options, const std::string& name = "könyv.pdf") {
        std::vector<std::string> arguments{"export", "--data", m_data.Path(), "--artist", "Dalos", "-o", m_out / name};
        arguments.insert(arguments.end(), options.begin(), options.end());
        const TRun run = Songbook(arguments);
        EXPECT_EQ(0, run.ExitCode) << run.Err;
        EXPECT_EQ(m_out / name + "\n", run.Out);
        return ReadPdfWords(m_out / name);
    }

    TTempDirectory m_data;
    TTempDirectory m_out;
};

// Every line once, and each chord line on the page of the text under it,
// right above it, with verses kept together or not.
TEST_F(PdfExport, AChordLineAndItsTextAreNeverSplitAcrossPages) {
    for (const std::vector<std::string>& options : {std::vector<std::string>{}, {"--keep-verses"}, {"--paper", "A5"}}) {
        const TPdfText text = Export(options);
        const auto lines = PdfLines(text);
        std::set<std::string> seen;
        int pairs = 0;
        for (std::size_t index = 0; index < lines.size(); ++index) {
            const TPdfWord& first = lines[index].front();
            const bool header = first.Text == "Dalos" || lines[index].back().Text == "ének";
            ASSERT_TRUE(header || seen.insert(first.Text).second) << first.Text << " printed twice";
            if (first.Text.front() != 'C' || first.Text.size() < 3)
                continue;
            ASSERT_LT(index + 1, lines.size());
            const TPdfWord& under = lines[index + 1].front();
            EXPECT_EQ("T" + first.Text.substr(1), under.Text);
            EXPECT_EQ(first.Page, under.Page) << first.Text << " torn from its text";
            ++pairs;
        }
        int expected = 0;
        for (int song = 1; song <= 60; ++song)
            expected += 2 + song % 5;
        EXPECT_EQ(expected, pairs);
        EXPECT_GT(text.Pages, 4);
    }
}

// With verses kept together every verse (all fit a page) is on one page,
// and a song's title is on the page of its first line.
TEST_F(PdfExport, KeptTogetherEveryVerseThatFitsIsOnOnePage) {
    const auto pagesKept = FirstWordPages(Export({"--keep-verses"}));
    const auto pagesFree = FirstWordPages(Export({}, "szabad.pdf"));
    const auto splitVerses = [](const std::map<std::string, int>& pages) {
        int split = 0;
        for (int song = 1; song <= 60; ++song) {
            for (int verse = 0; verse < 1 + song % 3; ++verse) {
                const std::string stem = "V" + std::to_string(song) + "x" + std::to_string(verse) + "x";
                const int lines = 3 + (song + verse) % 6;
                split += pages.at(stem + "0") != pages.at(stem + std::to_string(lines - 1));
            }
        }
        return split;
    };
    EXPECT_EQ(0, splitVerses(pagesKept));
    EXPECT_GT(splitVerses(pagesFree), 0) << "no verse crosses a page foot: the check proves nothing";
    StoreSetting("Page", "KeepVerses", "1"); // as the viewer's page setup keeps it
    EXPECT_EQ(0, splitVerses(FirstWordPages(Export({}, "beállítva.pdf"))));
    const auto lines = PdfLines(ReadPdfWords(m_out / "könyv.pdf"));
    for (std::size_t index = 0; index + 1 < lines.size(); ++index) {
        if (lines[index].back().Text == "ének") { // the title, where the header ends (no authors)
            EXPECT_EQ(lines[index].front().Page, lines[index + 1].front().Page) << lines[index].front().Text;
        }
    }
}

// The contents list every song in the tree's order, each with the page on
// which it starts; the pages are numbered at their feet.
TEST_F(PdfExport, TheContentsGiveThePageOfEverySong) {
    WriteBytes(m_data / "a.txt", SongFileBytes({".artist Dalos", ".title Zsálya", ".verse", "zs", ".title Cica",
                                                ".verse", "c", ".title Zene", ".verse", "z", ".title Csillag", ".verse",
                                                "cs", ".title Álom", ".verse", "á", ".title Alma", ".verse", "a"}));
    const auto lines = PdfLines(Export({"--toc", "--page-numbers"}));
    std::vector<std::string> titles;
    std::map<std::string, int> listed;
    for (const auto& line : lines) {
        if (line.front().Page == 1 && line.size() > 2) {
            titles.push_back(line.front().Text);
            listed[line.front().Text] = std::stoi(line.back().Text);
        }
    }
    EXPECT_EQ((std::vector<std::string>{"Alma", "Álom", "Cica", "Csillag", "Zene", "Zsálya"}), titles);
    for (const auto& line : lines) {
        if (line.front().Page > 1 && listed.contains(line.front().Text)) {
            EXPECT_EQ(listed[line.front().Text], line.front().Page) << line.front().Text;
        }
    }
    for (int page = 2; page <= lines.back().front().Page; ++page) {
        const auto last =
            std::find_if(lines.rbegin(), lines.rend(), [page](const auto& line) { return line.front().Page == page; });
        EXPECT_EQ(std::to_string(page), last->front().Text) << "the foot of page " << page;
    }
}

// A song starts where its header does, with the artist's name over its title.
TEST_F(PdfExport, AGreatSongbookListsEveryPageRight) {
    const auto lines = PdfLines(Export({"--toc"}));
    std::map<std::string, int> listed;
    std::map<std::string, int> found;
    for (std::size_t index = 1; index < lines.size(); ++index) {
        const auto& line = lines[index];
        if (line.size() >= 3 && line[1].Text == "ének" && line.back().Text != "ének")
            listed[line[0].Text] = std::stoi(line.back().Text);
        else if (line.size() == 2 && line[1].Text == "ének")
            found[line[0].Text] = lines[index - 1].front().Page;
    }
    EXPECT_EQ(60u, listed.size());
    EXPECT_EQ(found, listed);
}

// Paper, turning and margins measured from the paper's edges.
TEST_F(PdfExport, TakesThePaperAndTheMarginsAsked) {
    const TPdfText text = Export({"--paper", "a5", "--landscape", "--margins", "30,20,25,10"});
    EXPECT_NE(std::string::npos, RunTool("pdfinfo " + ShellQuoted(m_out / "könyv.pdf")).find("Page size:       595"));
    double left = 1e9;
    double top = 1e9;
    double right = 0;
    for (const TPdfWord& word : text.Words) {
        left = std::min(left, word.XMin);
        top = std::min(top, word.YMin);
        right = std::max(right, word.XMax);
    }
    EXPECT_NEAR(25 * PointsPerMillimetre, left, Tolerance);
    EXPECT_GT(top, 30 * PointsPerMillimetre - Tolerance);
    EXPECT_LT(right, (210 - 10) * PointsPerMillimetre + Tolerance);
}

// Two columns a page: the second starts where the first is full, and a
// chord line stays over its text in the same column.
TEST_F(PdfExport, TwoColumnsKeepEachChordOverItsText) {
    const TPdfText text = Export({"--columns", "2", "--landscape"});
    const double middle = 297 * PointsPerMillimetre / 2;
    std::map<std::string, const TPdfWord*> byText;
    bool right = false;
    for (const TPdfWord& word : text.Words) {
        byText[word.Text] = &word;
        right = right || word.XMin > middle;
    }
    EXPECT_TRUE(right);
    for (const auto& [word, place] : byText) {
        if (word.front() != 'C' || word.size() < 3 || !byText.contains("T" + word.substr(1)))
            continue;
        const TPdfWord* under = byText["T" + word.substr(1)];
        EXPECT_EQ(place->Page, under->Page) << word;
        EXPECT_NEAR(place->XMin, under->XMin, Tolerance) << word;
        EXPECT_GT(under->YMin, place->YMin) << word;
    }
}

// Real text in embedded fonts: a reader copies every accent.
TEST_F(PdfExport, TheTextIsRealTextInEmbeddedFonts) {
    WriteBytes(m_data / "a.txt",
               SongFileBytes({".artist Dalos", ".title Árvíztűrő tükörfúrógép", ".verse", "ÁRVÍZTŰRŐ TÜKÖRFÚRÓGÉP"}));
    const TRun run = Songbook(
        {"export", "--data", m_data.Path(), "--song", "Dalos - Árvíztűrő tükörfúrógép", "-o", m_out / "dal.PDF"});
    ASSERT_EQ(0, run.ExitCode) << run.Err;
    const std::string text = RunTool("pdftotext " + ShellQuoted(m_out / "dal.PDF") + " -");
    EXPECT_NE(std::string::npos, text.find("Árvíztűrő tükörfúrógép"));
    EXPECT_NE(std::string::npos, text.find("ÁRVÍZTŰRŐ TÜKÖRFÚRÓGÉP"));
    const std::string fonts = RunTool("pdffonts " + ShellQuoted(m_out / "dal.PDF"));
    int listed = 0;
    for (std::size_t at = fonts.find("\nLiberation"); at != std::string::npos;
         at = fonts.find("\nLiberation", at + 1)) {
        const std::string line = fonts.substr(at + 1, fonts.find('\n', at + 1) - at - 1);
        EXPECT_NE(std::string::npos, line.find(" yes ")) << line;
        ++listed;
    }
    EXPECT_GT(listed, 1);
}

TEST_F(PdfExport, WritesOnePdfPerArtistAndListsWhatFailed) {
    WriteBytes(m_data / "b.txt", SongFileBytes({".artist Éjjeli", ".title Egy", ".verse", "x"}));
    std::filesystem::create_directory(m_out / "Éjjeli.pdf"); // a folder where one songbook would go
    const TRun run = Songbook({"export", "--data", m_data.Path(), "--all", "--pdf", "-o", m_out.Path()});
    EXPECT_EQ(1, run.ExitCode);
    EXPECT_EQ(m_out / "Dalos.pdf" + "\n", run.Out);
    EXPECT_NE(std::string::npos, run.Err.find("Cannot create file " + m_out / "Éjjeli.pdf")) << run.Err;
    EXPECT_GT(ReadPdfWords(m_out / "Dalos.pdf").Pages, 4);
}

// A set list's book keeps the set's order, in its contents too, and bears its name.
TEST_F(PdfExport, ASetListKeepsItsOrderInTheContentsToo) {
    TTempDirectory sets;
    WriteBytes(sets / "Szombat éj.txt", "Dalos - 7. ének\nDalos - 3. ének\nNincs - dal\nDalos - 12. ének\n");
    const TRun run = Songbook(
        {"export", "--data", m_data.Path(), "--set", sets / "Szombat éj.txt", "-o", m_out / "műsor.pdf", "--toc"});
    EXPECT_EQ(1, run.ExitCode);
    EXPECT_EQ("songbook: not in the library, left out: Nincs - dal\n", run.Err);
    const auto lines = PdfLines(ReadPdfWords(m_out / "műsor.pdf"));
    std::vector<std::string> listed;
    std::vector<std::string> found;
    std::map<std::string, int> listedPages;
    for (std::size_t index = 1; index < lines.size(); ++index) {
        const auto& line = lines[index];
        if (line.front().Page == 1 && line.size() > 4 && line[3].Text == "ének") {
            listed.push_back(line[2].Text);
            listedPages[line[2].Text] = std::stoi(line.back().Text);
        } else if (line.size() == 2 && line[1].Text == "ének") {
            found.push_back(line[0].Text);
            EXPECT_EQ(listedPages[line[0].Text], lines[index - 1].front().Page) << line[0].Text;
        }
    }
    EXPECT_EQ((std::vector<std::string>{"7.", "3.", "12."}), listed);
    EXPECT_EQ(listed, found);
    EXPECT_NE(std::string::npos, RunTool("pdfinfo " + ShellQuoted(m_out / "műsor.pdf")).find("Szombat éj"));
}

TEST_F(PdfExport, LayoutOptionsNeedPdfAndSaneValues) {
    for (const std::vector<std::string>& wrong :
         std::vector<std::vector<std::string>>{{"-o", "x.rtf", "--toc"},
                                               {"-o", "x.pdf", "--paper", "B5"},
                                               {"-o", "x.pdf", "--margins", "10,10,10"},
                                               {"-o", "x.pdf", "--margins", "10,10,10,x"},
                                               {"-o", "x.pdf", "--columns", "0"},
                                               {"--all", "-o", "folder", "--page-numbers"}}) {
        std::vector<std::string> arguments{"export", "--data", m_data.Path(), "--artist", "Dalos"};
        arguments.insert(arguments.end(), wrong.begin(), wrong.end());
        if (wrong.front() == "--all")
            arguments.erase(arguments.begin() + 3, arguments.begin() + 5);
        const TRun run = Songbook(arguments);
        EXPECT_EQ(2, run.ExitCode) << wrong.back();
        EXPECT_EQ("", run.Out);
    }
    EXPECT_EQ(2, Songbook({"dump", "--toc"}).ExitCode);
}

} // namespace
