#include "platform/unicode.h"
#include "setlist/setfolder.h"
#include "setlist/setlistfile.h"
#include "setlist/setlistname.h"
#include "tests/support/tempdirectory.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

using TEntries = std::vector<std::string>;

struct TParseCase {
    const char* What;
    std::string Text;
    TEntries Entries;
};

// UTF-16 in the other byte order.
std::string Swapped(std::string utf16) {
    for (std::size_t i = 0; i + 1 < utf16.size(); i += 2)
        std::swap(utf16[i], utf16[i + 1]);
    return utf16;
}

// As editors save them on Linux and on Windows.
TEST(SetListText, ReadsWhatPeopleWriteByHand) {
    const TParseCase cases[] = {
        {"LF", "Őszi Zenekar - Ének\nBordalok - Áldomás\n", {"Őszi Zenekar - Ének", "Bordalok - Áldomás"}},
        {"CR LF", "a - b\r\nc - d\r\n", {"a - b", "c - d"}},
        {"a lone CR", "a - b\rc - d", {"a - b", "c - d"}},
        {"no line end at the end", "a - b\nc - d", {"a - b", "c - d"}},
        {"a BOM",
         "\xEF\xBB\xBF"
         "a - b\n",
         {"a - b"}},
        {"blank lines", "\n\r\n  \t \na - b\n\n\nc - d\n \n", {"a - b", "c - d"}},
        {"spaces inside a line stay", "  a  -  b \n", {"  a  -  b "}},
        {"two files joined, each with its BOM",
         "\xEF\xBB\xBF"
         "a\n\xEF\xBB\xBF"
         "b\n\xEF\xBB\xBF\n",
         {"a", "b"}},
        {"a BOM inside a line stays",
         "a \xEF\xBB\xBF"
         "b\n",
         {"a \xEF\xBB\xBF"
          "b"}},
        {"code page 1250 (Windows \"ANSI\")", "\xD5szi - \xE9nek\n", {"Őszi - ének"}},
        {"one line in code page 1250 among UTF-8 ones", "Ő - ű\n\xD5 - \xFB\nŐ - ű\n", {"Ő - ű", "Ő - ű", "Ő - ű"}},
        {"UTF-16LE with its mark", "\xFF\xFE" + Utf16FromUtf8("Őszi - Ének\r\n\r\nb - c"), {"Őszi - Ének", "b - c"}},
        {"UTF-16BE with its mark", "\xFE\xFF" + Swapped(Utf16FromUtf8("Őszi - Ének\r\n")), {"Őszi - Ének"}},
        {"empty", "", {}},
    };
    for (const TParseCase& test : cases)
        EXPECT_EQ(test.Entries, ParseSetListText(test.Text)) << test.What;
}

TEST(SetListText, WritesOneEntryALineEndedByLf) {
    EXPECT_EQ("Őszi - Ének\nx - y\n", SetListText({"Őszi - Ének", "x - y"}));
    EXPECT_EQ("", SetListText({}));
}

// What is written reads back the same, however the entries look.
TEST(SetListText, RoundTrips) {
    const TEntries entries = {"Őszi Zenekar - Ének az ősz végén", "Kovács - Nagy Duó - Dal - címmel",
                              "Nincs ilyen - dal", "ő - ű ŐŰ", "  spaces  "};
    EXPECT_EQ(entries, ParseSetListText(SetListText(entries)));
}

TEST(SetListName, RefusesWhatIsNoFileNameOnSomeSystem) {
    const std::pair<std::string, TSetNameProblem> cases[] = {
        {"Péntek esti műsor", TSetNameProblem::None},
        {"Szilveszter 2024. 12. 31 (2)", TSetNameProblem::None},
        {"Ünnep – ékezettel, ő ű", TSetNameProblem::None},
        {"", TSetNameProblem::Empty},
        {"   ", TSetNameProblem::Empty},
        {"\xF5szi", TSetNameProblem::NotText},
        {"a/b", TSetNameProblem::Forbidden},
        {"..\\b", TSetNameProblem::Forbidden},
        {"a:b", TSetNameProblem::Forbidden},
        {"mi?", TSetNameProblem::Forbidden},
        {"\"idézet\"", TSetNameProblem::Forbidden},
        {"a<b>c", TSetNameProblem::Forbidden},
        {"a|b", TSetNameProblem::Forbidden},
        {"a*", TSetNameProblem::Forbidden},
        {"sor\nvég", TSetNameProblem::Forbidden},
        {std::string("nul\0l", 5), TSetNameProblem::Forbidden},
        {"tab\t", TSetNameProblem::Forbidden},
        {"del\x7f", TSetNameProblem::Forbidden},
        {".", TSetNameProblem::Ends},
        {"..", TSetNameProblem::Ends},
        {".rejtett", TSetNameProblem::Ends},
        {"pont.", TSetNameProblem::Ends},
        {" szóköz", TSetNameProblem::Ends},
        {"szóköz ", TSetNameProblem::Ends},
        {"CON", TSetNameProblem::Device},
        {"nul", TSetNameProblem::Device},
        {"Com1.régi", TSetNameProblem::Device},
        {"LPT9", TSetNameProblem::Device},
        {"CONCERT", TSetNameProblem::None},
        {"COM10", TSetNameProblem::None},
        {std::string(240, 'a'), TSetNameProblem::None},
        {std::string(241, 'a'), TSetNameProblem::TooLong},
    };
    for (const auto& [name, problem] : cases)
        EXPECT_EQ(problem, CheckSetListName(name)) << name;
}

class SetFolderTest : public testing::Test {
protected:
    TTempDirectory m_root;
    TSetFolder m_folder{m_root / "Cantorix/Sets"};

    std::string FileOf(const std::string& name) const { return m_root / ("Cantorix/Sets/" + name + ".txt"); }
};

// A set list written is a file of its own, named after it, accents and all,
// that reads back the same; the folder is made when first needed.
TEST_F(SetFolderTest, WritesEachSetListAsAFileNamedAfterIt) {
    EXPECT_TRUE(m_folder.Names().empty());
    const TSetList friday{"Péntek – Őszi est", {"Őszi Zenekar - Ének", "Hiányzó - Dal"}};
    m_folder.Write(friday);
    m_folder.Write({"Alma", {}});
    EXPECT_EQ("Őszi Zenekar - Ének\nHiányzó - Dal\n", ReadBytes(FileOf("Péntek – Őszi est")));
    EXPECT_EQ((TEntries{"Alma", "Péntek – Őszi est"}), m_folder.Names());
    const TSetList read = m_folder.Read("Péntek – Őszi est");
    EXPECT_EQ(friday.Name, read.Name);
    EXPECT_EQ(friday.Entries, read.Entries);
}

// A set list saved by a Windows editor loses nothing when the program
// writes it: a change to it is written as UTF-8, with every song kept.
TEST_F(SetFolderTest, AFileInAnotherEncodingIsWrittenBackAsUtf8WithItsSongs) {
    const std::pair<const char*, std::string> files[] = {
        {"UTF-16LE", "\xFF\xFE" + Utf16FromUtf8("Őszi Zenekar - Ének\r\nŰrhajó - Dal\r\n")},
        {"code page 1250", "\xD5szi Zenekar - \xC9nek\r\n\xDBrhaj\xF3 - Dal\r\n"},
    };
    for (const auto& [encoding, bytes] : files) {
        m_folder.Write({"Régi", {}});
        WriteBytes(FileOf("Régi"), bytes);
        TSetList list = m_folder.Read("Régi");
        list.Move(1, 0);
        m_folder.Write(list);
        EXPECT_EQ("Űrhajó - Dal\nŐszi Zenekar - Ének\n", ReadBytes(FileOf("Régi"))) << encoding;
    }
}

// Files the folder would never write are not set lists; they stay untouched.
TEST_F(SetFolderTest, ListsOnlyTheFilesItWouldWrite) {
    m_folder.Write({"Egy", {}});
    std::vector<std::string> others = {"Kettő.TXT", "jegyzet.md", ".rejtett.txt"};
#ifndef _WIN32
    others.push_back("CON.txt"); // Windows has no such file, only the device
#endif
    for (const std::string& other : others)
        WriteBytes(m_root / ("Cantorix/Sets/" + other), "x\n");
    std::filesystem::create_directory(m_root / "Cantorix/Sets/mappa");
    EXPECT_EQ((TEntries{"Egy"}), m_folder.Names());
}

TEST_F(SetFolderTest, CreatesRenamesAndRemoves) {
    m_folder.Create("Első");
    EXPECT_EQ("", ReadBytes(FileOf("Első")));
    EXPECT_THROW(m_folder.Create("Első"), TSetListError);
    m_folder.Write({"Első", {"a - b"}});
    m_folder.Create("Második");
    EXPECT_THROW(m_folder.Rename("Első", "Második"), TSetListError);
    EXPECT_EQ("", ReadBytes(FileOf("Második"))); // not written over
    m_folder.Rename("Első", "Harmadik ű");
    EXPECT_EQ((TEntries{"a - b"}), m_folder.Read("Harmadik ű").Entries);
    EXPECT_FALSE(m_folder.Has("Első"));
    m_folder.Remove("Második");
    EXPECT_EQ((TEntries{"Harmadik ű"}), m_folder.Names());
    EXPECT_THROW(m_folder.Remove("Második"), TSetListError);
}

// A name that is no file name never reaches the file system, whoever passes it.
TEST_F(SetFolderTest, NeverWritesOutsideItsFolder) {
    for (const char* name : {"../kint", "..", "", "a/b"}) {
        EXPECT_THROW(m_folder.Write({name, {"x - y"}}), TSetListError) << name;
        EXPECT_THROW(m_folder.Create(name), TSetListError) << name;
    }
    EXPECT_FALSE(std::filesystem::exists(m_root / "Cantorix/kint.txt"));
    EXPECT_FALSE(std::filesystem::exists(m_root / "Cantorix/Sets"));
}

// A failed save leaves the file as it was, and says why and where.
TEST_F(SetFolderTest, AFailedWriteKeepsTheOldFile) {
    m_folder.Write({"Régi", {"a - b"}});
    std::filesystem::create_directory(FileOf("Mappa"));
    try {
        m_folder.Write({"Mappa", {"c - d"}});
        FAIL() << "a folder was written over";
    } catch (const TSetListError& error) {
        EXPECT_NE(std::string(error.what()).find("Mappa.txt"), std::string::npos) << error.what();
    }
    EXPECT_TRUE(std::filesystem::is_directory(FileOf("Mappa")));
    try {
        m_folder.Read("Nincs");
        FAIL() << "a missing set list was read";
    } catch (const TSetListError& error) {
        EXPECT_NE(std::string(error.what()).find("Nincs.txt: File not found"), std::string::npos) << error.what();
    }
}

TEST(SetList, MovesOneEntryKeepingTheOthersInOrder) {
    const struct {
        std::size_t From, To;
        TEntries After;
    } cases[] = {
        {0, 0, {"a", "b", "c", "d"}}, {0, 1, {"b", "a", "c", "d"}}, {0, 3, {"b", "c", "d", "a"}},
        {3, 0, {"d", "a", "b", "c"}}, {2, 1, {"a", "c", "b", "d"}}, {1, 2, {"a", "c", "b", "d"}},
    };
    for (const auto& test : cases) {
        TSetList list{"x", {"a", "b", "c", "d"}};
        list.Move(test.From, test.To);
        EXPECT_EQ(test.After, list.Entries) << test.From << " to " << test.To;
    }
}

} // namespace
