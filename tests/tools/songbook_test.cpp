#include "library/loader.h"
#include "platform/pathtext.h"
#include "settings/settings.h"
#include "tests/support/externaltool.h"
#include "tests/support/songfixture.h"
#include "tests/support/tempdirectory.h"
#include "tests/tools/songbookrun.h"
#include "tools/songbook/songbook.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <iostream>
#include <set>
#include <sstream>
#ifdef _WIN32
#include "platform/win32text.h"

#include <windows.h>
#endif

namespace {

// A path as JSON spells it: Windows' backslashes are escaped.
std::string JsonPath(const std::string& path) {
    std::string json;
    for (char c : path)
        json += c == '\\' ? std::string("\\\\") : std::string(1, c);
    return json;
}

TEST(SongbookDump, PrintsTheLibraryAsUtf8Json) {
    TTempDirectory folder;
    WriteBytes(folder / "a.txt", SongFileBytes({".pagetitle Lap", ".artist Őszi \"Zenekar\"", ".title Űr\\dal",
                                                ".authors Én", ".mine", ".defverse", "Am", "\tszöveg"}));
    const TRun run = Songbook({"dump", "--data", folder.Path()});
    EXPECT_EQ(0, run.ExitCode);
    EXPECT_EQ("{\"artists\":[\n"
              "{\"file\":\"" +
                  JsonPath(folder / "a.txt") +
                  "\",\"pageTitle\":\"Lap\",\"artistName\":\"Őszi \\\"Zenekar\\\"\","
                  "\"songs\":[\n"
                  "{\"title\":\"Űr\\\\dal\",\"authors\":\"Én\",\"comment\":\"\",\"isNew\":false,\"isMine\":true,"
                  "\"isVulgar\":false,\"paragraphs\":[{\"kind\":2,\"lines\":[\"Am\",\"\\u0009szöveg\"]}]}\n"
                  "]}\n"
                  "],\n\"errors\":[\n]}\n",
              run.Out);
    EXPECT_EQ("", run.Err);
}

TEST(SongbookDump, ListsUnreadableFilesAndFailsAfterPrintingTheRest) {
    TTempDirectory folder;
    std::filesystem::create_directory(PathFromUtf8(folder / "a.txt"));
    WriteBytes(folder / "b.txt", SongFileBytes({".artist B"}));
    const TRun run = Songbook({"dump", "--data", folder.Path()});
    EXPECT_EQ(1, run.ExitCode);
    EXPECT_NE(std::string::npos, run.Out.find("\"artistName\":\"B\""));
    EXPECT_NE(std::string::npos,
              run.Out.find("{\"file\":\"" + JsonPath(folder / "a.txt") + "\",\"message\":\"File access denied\"}"));
    EXPECT_EQ("songbook: " + folder / "a.txt" + ": File access denied\n", run.Err);
}

TEST(SongbookLint, ListsIgnoredLinesAsFileLineReason) {
    TTempDirectory folder;
    WriteBytes(folder / "a.txt", SongFileBytes({".artist A", "bevezető", ".titel Hiba", ".title Dal", "", "kóbor sor",
                                                ".verse", "rendben", ".title\tMásik", ".pagetitle P"}));
    const std::string file = folder / "a.txt";
    const TRun run = Songbook({"lint", file});
    EXPECT_EQ(1, run.ExitCode);
    EXPECT_EQ(file + ":2: text before the first title\n" + file + ":3: unknown command: .titel\n" + file +
                  ":6: text line outside any paragraph\n" + file +
                  ":9: command word ended by a tab (only a space ends it): .title\\x09Másik\n" + file +
                  ":10: artist or pagetitle inside a song: .pagetitle\n",
              run.Out);
}

// A file saved with line feeds alone is one long line: lint says so, and
// what the command word holds stays on one escaped line.
TEST(SongbookLint, SeesLineFeedOnlyFiles) {
    TTempDirectory folder;
    WriteBytes(folder / "lf.txt", ".pagetitle P\n.artist A\n.title T\n.verse\nsor\n");
    WriteBytes(folder / "word.txt", ".ti\ntle\x01x T\r\n");
    const TRun run = Songbook({"lint", folder / "lf.txt", folder / "word.txt"});
    EXPECT_EQ(1, run.ExitCode);
    EXPECT_EQ(folder / "lf.txt" +
                  ":1: line ends are line feeds only: the whole file reads as one line (save it with CR LF line "
                  "ends)\n" +
                  folder / "word.txt" + ":1: unknown command: .ti\\x0atle\\x01x\n",
              run.Out);
}

TEST(SongbookLint, ReportsUnreadableFilesAndPassesCleanOnes) {
    TTempDirectory folder;
    WriteBytes(folder / "clean.txt", SongFileBytes({".artist A", "", ".title T", ".verse", "x", "", ".normal"}));
    EXPECT_EQ(0, Songbook({"lint", folder / "clean.txt"}).ExitCode);
    const TRun missing = Songbook({"lint", folder / "missing.txt"});
    EXPECT_EQ(1, missing.ExitCode);
    EXPECT_EQ(folder / "missing.txt" + ": File not found\n", missing.Err);
}

// One blank line too many in a verse with chords puts the chords of every
// pair after it in the text's place and the lyrics in the chords' place: lint
// names it, the lyrics there stay as they are when moved, and search finds them.
TEST(SongbookLint, NamesABlankLineThatSwapsChordsAndLyrics) {
    TTempDirectory folder;
    WriteBytes(folder / "a.txt", SongFileBytes({".artist Zenekar", ".title Ősz", ".defverse", "Am                 Em",
                                                "Őszi eső kopog az ablakon,", "", "Am                 Em",
                                                "Ősz van, ősz, a levél lehull,", "G                  Am",
                                                "Ami megmarad, az egyszer újra kinyílik.", ".defverse", "Am", "szöveg",
                                                "", "sor akkord nélkül", "C"}));
    const TRun lint = Songbook({"lint", folder / "a.txt"});
    EXPECT_EQ(1, lint.ExitCode);
    EXPECT_EQ(folder / "a.txt" +
                  ":6: blank line in a verse with chords: the chord and text lines after it change places\n",
              lint.Out);
    const TRun moved = Songbook({"transpose", "--data", folder.Path(), "--song", "Zenekar - Ősz", "3"});
    EXPECT_EQ(0, moved.ExitCode) << moved.Err;
    EXPECT_EQ("\nZenekar\nŐsz\n\nCm                 Gm\nŐszi eső kopog az ablakon,\nAm                 Em\n"
              "Ősz van, ősz, a levél lehull,\nG                  Am\nAmi megmarad, az egyszer újra kinyílik.\n\nCm\n"
              "szöveg\nsor akkord nélkül\nEb\n",
              moved.Out);
    const TRun found = Songbook({"find", "--data", folder.Path(), "level", "lehull"});
    EXPECT_EQ(0, found.ExitCode);
    EXPECT_EQ("Zenekar - Ősz\n    Ősz van, ősz, a levél lehull,\n", found.Out);
    EXPECT_EQ("Zenekar - Ősz\n    Ami megmarad, az egyszer újra kinyílik.\n",
              Songbook({"find", "--data", folder.Path(), "megmarad"}).Out);
}

TEST(Songbook, RejectsBadUsageWithExitCodeTwo) {
    TTempDirectory folder;
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"play"},
        {"dump", "--data"},
        {"dump", "x.txt"},
        {"lint", "--verbose"},
        {"dump", "--data", folder / "missing"},
        {"lint", "--data", folder.Path(), "a.txt"},
        {"export", "--artist", "A"},
        {"export", "--artist", "A", "--song", "A - B", "-o", "x.rtf"},
        {"export", "-o", "x.rtf"},
        {"export", "--all", "-o"},
        {"dump", "--all"},
        {"settings", "--data", folder.Path()},
        {"find", "--data", folder.Path()},
        {"find", "--data", folder.Path(), ",.;"}, // nothing to look for
        {"find", "--data", folder.Path(), "-", "€", "!"},
        {"dump", "--json"},
        {"transpose", "--song", "A - B"},
        {"transpose", "--song", "A - B", "1", "2"},
        {"transpose", "--song", "A - B", "x"},
        {"transpose", "--song", "A - B", "25"},
        {"transpose", "--song", "A - B", "+25"},
        {"transpose", "--song", "A - B", "++2"},
        {"transpose", "--song", "A - B", "+-2"},
        {"transpose", "--song", "A - B", "+"},
        {"transpose", "2"},
        {"transpose", "--song", "A - B", "1", "--capo", "12"},
        {"export", "--all", "-o", "x", "--transpose", "1.5"},
        {"dump", "--capo", "2"},
    };
    WriteBytes(folder / "file", "x");
    const TRun unlistable = Songbook({"dump", "--data", folder / "file"}); // not a folder at all
    EXPECT_EQ(2, unlistable.ExitCode);
    EXPECT_EQ(0u, unlistable.Err.find("songbook: not a folder: " + folder / "file\n")) << unlistable.Err;
    EXPECT_EQ(0u, Songbook({"dump", "--data", folder / "missing"}).Err.find("songbook: no such folder: "));
    for (const auto& arguments : bad) {
        const TRun run = Songbook(arguments);
        EXPECT_EQ(2, run.ExitCode) << (arguments.empty() ? "(none)" : arguments[0]);
        EXPECT_EQ(0u, run.Err.find("songbook: ")) << run.Err;
    }
    for (const std::vector<std::string>& help : {std::vector<std::string>{"--help"},
                                                 {"dump", "--help"},
                                                 {"lint", "-h"},
                                                 {"export", "--help"},
                                                 {"find", "--help"}})
        EXPECT_EQ(0, Songbook(help).ExitCode);
}

TEST(Songbook, TellsItsVersion) {
    const TRun run = Songbook({"--version"});
    EXPECT_EQ(0, run.ExitCode);
    EXPECT_EQ(std::string("songbook (Vivira redir) ") + VIVIRA_VERSION + "\n", run.Out);
    EXPECT_EQ("", run.Err);
}

// Title hits first, then lyric hits with their line, each in the tree's
// Hungarian order (Cs after Cukor); chord lines do not count.
TEST(SongbookFind, ListsTitleHitsBeforeLyricHitsInTheTreesOrder) {
    TTempDirectory folder;
    WriteBytes(folder / "1.txt",
               SongFileBytes({".artist Zenekar", ".title Öreg szív", ".title Más", ".defverse", "Am",
                              "\tElőször a szívem", ".title Harmadik", ".defverse", "Sziv G", "\tsemmi"}));
    WriteBytes(folder / "2.txt", SongFileBytes({".artist Csak", ".title Cukor", ".verse", "A szív dala"}));
    WriteBytes(folder / "3.txt", SongFileBytes({".artist Cukor", ".title Szívem", ".title Szivar"}));
    const TRun run = Songbook({"find", "--data", folder.Path(), "SZIV"});
    EXPECT_EQ(0, run.ExitCode) << run.Err;
    EXPECT_EQ("Cukor - Szivar\nCukor - Szívem\nZenekar - Öreg szív\n"
              "Csak - Cukor\n    A szív dala\nZenekar - Más\n    Először a szívem\n",
              run.Out);
    const TRun json = Songbook({"find", "--json", "--data", folder.Path(), "dala", "szív"});
    EXPECT_EQ(0, json.ExitCode);
    EXPECT_EQ("{\"hits\":[\n{\"artist\":\"Csak\",\"title\":\"Cukor\",\"foundIn\":\"lyrics\","
              "\"line\":\"A szív dala\"}\n]}\n",
              json.Out);
}

TEST(SongbookFind, ExitsWithOneWhenNothingMatches) {
    TTempDirectory folder;
    WriteBytes(folder / "1.txt", SongFileBytes({".artist Zenekar", ".title Öreg", ".defverse", "Am", "\tszöveg"}));
    for (const std::vector<std::string>& query :
         {std::vector<std::string>{"ő"}, {"Am"}, {"öreg", "nincs"}, {"ж"}, {"--json", "x"}}) {
        std::vector<std::string> arguments = {"find", "--data", folder.Path()};
        arguments.insert(arguments.end(), query.begin(), query.end());
        const TRun run = Songbook(arguments);
        EXPECT_EQ(1, run.ExitCode) << query[0];
        EXPECT_EQ(query[0] == "--json" ? "{\"hits\":[\n]}\n" : "", run.Out);
    }
    EXPECT_EQ("Zenekar - Öreg\n", Songbook({"find", "--data", folder.Path(), "oreg", "zenekar"}).Out);
    const TRun nothing = Songbook({"find", "--data", folder.Path(), "...", "?"});
    EXPECT_EQ(2, nothing.ExitCode);
    EXPECT_EQ(0u, nothing.Err.find("songbook: find needs a letter or digit to look for")) << nothing.Err;
}

TEST_F(SongbookWithSettings, ShowsEachSettingInEffectAndWhatIsStored) {
    StoreSetting("Fonts\\Title", "Size", "30");
    StoreSetting("Fonts\\Title", "Name", "Bő Betű");
    StoreSetting("Fonts\\Normal", "Height", "-99");
    StoreSetting("Page", "MarginLeft", "12 ");
    StoreSetting("Positions\\Main", "Width", "800");
    StoreSetting("", "DataFolder", "/zene/dalok ő");
    const TRun run = Songbook({"settings"});
    EXPECT_EQ(0, run.ExitCode) << run.Err;
    EXPECT_EQ(0u, run.Out.find(m_settingsPlace + "\n")) << run.Out;
    for (const std::string line : {
             "Background                 -2147483643          default\n",
             "Fonts\\Title\\Size           30                   stored \"30\"\n",
             "Fonts\\Title\\Height         -40                  default\n",
             "Fonts\\Title\\Name           \"Bő Betű\"            stored \"Bő Betű\"\n",
             "Fonts\\Normal\\Height        -12                  stored \"-99\", not in effect as such\n",
             "Page\\MarginLeft            15                   stored \"12 \", not a number: the default is used\n",
             "Positions\\Main\\Width       -                    stored \"800\", read by its window at start\n",
             "Positions\\List\\Width       -                    not stored\n",
             "Tree\\Selected              -                    not stored\n",
             "DataFolder                 \"/zene/dalok ő\"      stored \"/zene/dalok ő\"\n",
         })
        EXPECT_NE(std::string::npos, run.Out.find(line)) << line << run.Out;
}

// The warnings name the program that runs; a line is said to be skipped
// only when it is; a stored text stays on its line of the table, and so do
// the songs' own transpositions, shown when there are some.
TEST_F(SongbookWithSettings, ShowsEveryStoredValueOnOneLineAndWarnsAsItself) {
#ifdef _WIN32
    GTEST_SKIP() << "the settings file's lines; the registry tests read the registry's values";
#endif
    WriteBytes(m_settingsFile, "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Cantorix\\Fonts\\Tab]\r\n"
                               "\"Name\"=hex(1):41,00,0a,00,42,00,00,00\r\n"
                               "\"Size\" = \"9\"\r\n"
                               "[HKEY_CURRENT_USER\\Software\\Cantorix\\Transpose]\r\n"
                               "\"Song7\"=\"2 0 a.txt|Dal\"\r\n");
    const TRun run = Songbook({"settings"});
    EXPECT_EQ(0, run.ExitCode) << run.Err;
    EXPECT_EQ("songbook: " + m_settingsFile +
                  ":1: an older export (REGEDIT4): read as version 5.00\n"
                  "songbook: " +
                  m_settingsFile +
                  ":5: a value name must be followed by = with no space; "
                  "the line is not read, and kept as a comment\n",
              run.Err);
    EXPECT_NE(std::string::npos,
              run.Out.find("Fonts\\Tab\\Name             \"A\\x0aB\"             stored \"A\\x0aB\"\n"))
        << run.Out;
    EXPECT_NE(std::string::npos,
              run.Out.find("Transpose\\Song7            \"2 0 a.txt|Dal\"      stored \"2 0 a.txt|Dal\"\n"))
        << run.Out;
    EXPECT_EQ(std::string::npos, run.Out.find("Transpose\\Song8")) << run.Out; // nothing stored there
}

// The tools only read the settings: no file is made, none kept aside.
TEST_F(SongbookWithSettings, ReadsTheSettingsWithoutWritingAnything) {
#ifdef _WIN32
    GTEST_SKIP() << "the settings file's; the registry tests open a store for reading";
#endif
    EXPECT_EQ(0, Songbook({"settings"}).ExitCode);
    EXPECT_FALSE(std::filesystem::exists(m_settingsFile));
    WriteBytes(m_settingsFile, "\x01\x02 nem registry");
    const TRun run = Songbook({"settings"});
    EXPECT_EQ(0, run.ExitCode);
    EXPECT_NE(std::string::npos, run.Err.find("is damaged")) << run.Err;
    EXPECT_EQ("\x01\x02 nem registry", ReadBytes(m_settingsFile));
    EXPECT_EQ(1u, std::distance(std::filesystem::directory_iterator(m_settingsFolder.Path()),
                                std::filesystem::directory_iterator()));
}

// The tool loads the settings as the viewer does: an empty stored name keeps
// the new font's face, and a value of the wrong type is reported, not fatal.
TEST_F(SongbookWithSettings, LoadsTheSettingsAsTheViewerDoes) {
#ifdef _WIN32
    const std::string key = "HKEY_CURRENT_USER\\" + m_settingsKey + "\\Fonts\\";
    RunTool("reg add \"" + key + "Normal\" /v Name /t REG_SZ /d \"\" /f");
    RunTool("reg add \"" + key + "Chords\" /v Color /t REG_DWORD /d 1 /f");
#else
    WriteBytes(m_settingsFile, "Windows Registry Editor Version 5.00\r\n\r\n"
                               "[HKEY_CURRENT_USER\\Software\\Cantorix\\Fonts\\Normal]\r\n\"Name\"=\"\"\r\n"
                               "[HKEY_CURRENT_USER\\Software\\Cantorix\\Fonts\\Chords]\r\n\"Color\"=dword:1\r\n");
#endif
    const TRun settings = Songbook({"settings"});
    EXPECT_NE(std::string::npos, settings.Out.find("Fonts\\Normal\\Name          \"MS Sans Serif\"")) << settings.Out;
    EXPECT_NE(std::string::npos, settings.Err.find("Invalid data type for 'Color'")) << settings.Err;
    TTempDirectory data;
    WriteBytes(data / "a.txt", SongFileBytes({".artist A", ".title T", ".normal", "sor"}));
    const TRun run = Songbook({"export", "--data", data.Path(), "--artist", "A", "-o", data / "a.rtf"});
    EXPECT_EQ(0, run.ExitCode) << run.Err;
    EXPECT_EQ("songbook: settings: Invalid data type for 'Color'\n", run.Err);
    EXPECT_NE(std::string::npos, ReadBytes(data / "a.rtf").find("MS Sans Serif;"));
}

// The song as the viewer shows it moved: chords only, in the song's notation
// or the stored one; a capo line with the shapes to play.
TEST_F(SongbookWithSettings, TransposesASongAsTheViewerDoes) {
    TTempDirectory data;
    WriteBytes(data / "a.txt", SongFileBytes({".artist Zenekar", ".title Dal", ".defverse", "A       D", "szöveg",
                                              ".details", "Capo 2", "Am x02210"}));
    const std::vector<std::string> song = {"transpose", "--data", data.Path(), "--song", "Zenekar - Dal"};
    auto with = [&song](std::vector<std::string> more) {
        more.insert(more.begin(), song.begin(), song.end());
        return Songbook(more);
    };
    const TRun up = with({"1"});
    EXPECT_EQ(0, up.ExitCode) << up.Err;
    EXPECT_EQ("\nZenekar\nDal\n\nB       Eb\nszöveg\n\nCapo 2\nAm x02210\n", up.Out);
    EXPECT_EQ("\nZenekar\nDal\n\nCapo 3\n\nAb      Db\nszöveg\n\nCapo 2\nAm x02210\n", with({"2", "--capo", "3"}).Out);
    EXPECT_NE(std::string::npos, with({"-22"}).Out.find("H       E")); // -22 is +2, B natural is H
    EXPECT_EQ(with({"2"}).Out, with({"+2"}).Out);                      // as the captions write it
    EXPECT_EQ(with({"2"}).Out, with({"--capo", "0", "+14"}).Out);
    StoreSetting("Chords", "Notation", "1");
    EXPECT_NE(std::string::npos, with({"1"}).Out.find("Bb      Eb"));
    EXPECT_NE(std::string::npos, with({"-22"}).Out.find("B       E"));
    const TRun missing = Songbook({"transpose", "--data", data.Path(), "--song", "Zenekar - Nincs", "1"});
    EXPECT_EQ(1, missing.ExitCode);

    const TRun exported =
        Songbook({"export", "--data", data.Path(), "--artist", "Zenekar", "--transpose", "-2", "-o", data / "dal.rtf"});
    EXPECT_EQ(0, exported.ExitCode) << exported.Err;
    EXPECT_NE(std::string::npos, ReadBytes(data / "dal.rtf").find("G       C"));
}

// The sample library is Hungarian: the dominant of E is H7 (B7 would be B flat
// seven), so two semitones up it is C#7.
TEST_F(SongbookWithSettings, TheSampleLibraryWritesBNaturalAsH) {
    for (const char* song : {"Őszi Zenekar - Éjféli vonat", "Újpesti Gitárkör - Őrség blues",
                             "Dunántúli népdalok - Csillagok, csillagok"}) {
        const TRun run = Songbook({"transpose", "--data", VIVIRA_SAMPLE_DATA, "--song", song, "2"});
        EXPECT_EQ(0, run.ExitCode) << run.Err;
        EXPECT_NE(std::string::npos, run.Out.find("C#7")) << song << "\n" << run.Out;
        EXPECT_EQ(std::string::npos, run.Out.find("C7")) << song << "\n" << run.Out;
    }
}

class SongbookExport : public SongbookWithSettings {
protected:
    void SetUp() override {
        SongbookWithSettings::SetUp();
        WriteBytes(m_data / "a.txt", SongFileBytes({".artist Őszi Zenekar", ".title Első", ".verse", "ősz van",
                                                    ".title Második", ".verse", "űr"}));
        WriteBytes(m_data / "b.txt", SongFileBytes({".artist AC/DC", ".title Egy", ".verse", "x"}));
        WriteBytes(m_data / "c.txt", SongFileBytes({".artist AC/DC", ".title Kettő", ".verse", "y"}));
    }

    TRun Export(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), {"export", "--data", m_data.Path()});
        return Songbook(arguments);
    }

    TTempDirectory m_data;
    TTempDirectory m_out;
};

TEST_F(SongbookExport, WritesOneSongOrAWholeSongbookAsRichText) {
    SKIP_WITHOUT_DEBIAN_TOOLS();
    const TRun song = Export({"--song", "Őszi Zenekar - Második", "-o", m_out / "dal.rtf"});
    EXPECT_EQ(0, song.ExitCode) << song.Err;
    EXPECT_EQ("Őszi Zenekar\n\nMásodik\n\nűr\n", PandocText(m_out / "dal.rtf"));

    const TRun book = Export({"--artist", "Őszi Zenekar", "-o", m_out / "könyv.rtf"});
    EXPECT_EQ(0, book.ExitCode) << book.Err;
    EXPECT_EQ(m_out / "könyv.rtf" + "\n", book.Out);
    const std::string text = PandocText(m_out / "könyv.rtf");
    EXPECT_LT(text.find("ősz van"), text.find("Második")) << text;
}

TEST_F(SongbookExport, RendersWithTheUsersStoredFonts) {
    StoreSetting("Fonts\\Title", "Name", "Bő Betű");
    StoreSetting("Fonts\\Title", "Size", "30");
    ASSERT_EQ(0, Export({"--song", "AC/DC - Egy", "-o", m_out / "dal.rtf"}).ExitCode);
    const std::string rtf = ReadBytes(m_out / "dal.rtf");
    EXPECT_NE(std::string::npos, rtf.find("\\fcharset238\\fprq0 B\\u337\\'f5 Bet\\u369\\'fb;")) << rtf;
    EXPECT_NE(std::string::npos, rtf.find("\\fs60\\b AC/DC\\par")) << rtf;
}

TEST_F(SongbookExport, WritesEverySongbookNamedByItsArtist) {
    const TRun run = Export({"--all", "-o", m_out / "új"});
    EXPECT_EQ(0, run.ExitCode) << run.Err;
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(PathFromUtf8(m_out / "új")))
        names.insert(Utf8FromPath(entry.path().filename()));
    EXPECT_EQ((std::set<std::string>{"AC_DC.rtf", "AC_DC (2).rtf", "Őszi Zenekar.rtf"}), names);
    SKIP_WITHOUT_DEBIAN_TOOLS();
    EXPECT_NE(std::string::npos, PandocText(m_out / "új/AC_DC (2).rtf").find("Kettő"));
}

// One songbook that cannot be written does not cost the others.
TEST_F(SongbookExport, ExportingEverySongbookGoesOnAfterAFailure) {
    std::filesystem::create_directories(PathFromUtf8(m_out / "új/AC_DC.rtf"));
    const TRun run = Export({"--all", "-o", m_out / "új"});
    EXPECT_EQ(1, run.ExitCode);
    EXPECT_EQ("songbook: Cannot create file " + m_out / "új/AC_DC.rtf" + ": Is a directory\n", run.Err);
    EXPECT_TRUE(std::filesystem::is_regular_file(PathFromUtf8(m_out / "új/AC_DC (2).rtf")));
    EXPECT_TRUE(std::filesystem::is_regular_file(PathFromUtf8(m_out / "új/Őszi Zenekar.rtf")));
}

TEST_F(SongbookExport, FailsClearlyForWhatItCannotFindOrWrite) {
#ifdef _WIN32
    const std::string device = "NUL";
#else
    const std::string device = "/dev/null";
#endif
    const std::vector<std::pair<std::vector<std::string>, std::string>> failures = {
        {{"--artist", "Öszi Zenekar", "-o", m_out / "x.rtf"}, "no artist named \"Öszi Zenekar\""},
        {{"--artist", "Ω", "-o", m_out / "x.rtf"}, "no artist named \"Ω\""},
        {{"--song", "Őszi Zenekar - Harmadik", "-o", m_out / "x.rtf"}, "no song \"Őszi Zenekar - Harmadik\""},
        {{"--song", "AC/DC - Első", "-o", m_out / "x.rtf"}, "no song"},
        {{"--artist", "AC/DC", "-o", m_out / "nincs/x.rtf"}, "Cannot create file " + m_out / "nincs/x.rtf"},
        {{"--artist", "AC/DC", "-o", device}, "Cannot create file " + device + ": Not a regular file"},
    };
    for (const auto& [arguments, message] : failures) {
        const TRun run = Export(arguments);
        EXPECT_EQ(1, run.ExitCode) << message;
        EXPECT_EQ(0u, run.Err.find("songbook: " + message)) << run.Err;
    }
    EXPECT_FALSE(std::filesystem::exists(PathFromUtf8(m_out / "x.rtf")));
#ifndef _WIN32
    EXPECT_TRUE(std::filesystem::is_character_file(device));
#endif
}

// The sample library is what a new user sees first: it must load cleanly and
// show every kind of paragraph and the accented capitals.
TEST(SampleLibrary, LoadsCleanlyWithEveryParagraphKind) {
    std::unique_ptr<TArtist> artists;
    EXPECT_TRUE(LoadSongLibrary(VIVIRA_SAMPLE_DATA, artists, nullptr).empty());
    std::size_t artistCount = 0;
    std::size_t songCount = 0;
    std::set<int> kinds;
    std::string allText;
    for (const TArtist* artist = artists.get(); artist; artist = artist->Next.get(), ++artistCount) {
        for (const TSong* song = artist->FirstSong.get(); song; song = song->Next.get(), ++songCount) {
            allText += song->Title + song->Authors;
            for (const TParagraph* p = song->FirstParagraph.get(); p; p = p->Next.get())
                kinds.insert(p->Kind);
        }
    }
    EXPECT_GE(artistCount, 8u);
    EXPECT_GE(songCount, 40u);
    EXPECT_EQ((std::set<int>{0, 1, 2, 3, 4, 5}), kinds);
    for (const char* capital : {"Ő", "Ű", "Á", "É"})
        EXPECT_NE(std::string::npos, Utf8FromAnsi(allText).find(capital)) << capital;
    EXPECT_EQ(0, Songbook({"lint", "--data", VIVIRA_SAMPLE_DATA}).ExitCode);
}

} // namespace
