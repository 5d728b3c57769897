#include "library/songfile.h"
#include "tests/support/songfixture.h"
#include "tests/support/tempdirectory.h"

#include <gtest/gtest.h>
#include <utility>

namespace {

using TPairs = std::vector<std::pair<std::string, std::string>>;

// Every (command, text) pair the reader gives, as UTF-8.
TPairs ReadAll(const std::string& bytes) {
    TTempDirectory folder;
    WriteBytes(folder / "song.txt", bytes);
    TSongFile file(folder / "song.txt");
    TPairs pairs;
    while (!file.AtEnd()) {
        const TCommandLine line = file.ReadCommandLine();
        pairs.emplace_back(Utf8FromAnsi(line.Command), Utf8FromAnsi(line.Text));
    }
    return pairs;
}

struct TLineCase {
    const char* Name;
    std::string Bytes;
    TPairs Expected;
};

TEST(SongFile, SplitsLinesByTheLineEndRules) {
    const TLineCase cases[] = {
        {"empty file", "", {}},
        {"Ctrl-Z first", "\x1A.title X\r\n", {}},
        {"no final line end", "a\r\nb", {{"", "a"}, {"", "b"}}},
        {"final line end adds no line", "a\r\nb\r\n", {{"", "a"}, {"", "b"}}},
        {"two final line ends add one empty line", "a\r\n\r\n", {{"", "a"}, {"", ""}}},
        {"LF alone is a character", "a\nb\nc", {{"", "a\nb\nc"}}},
        {"lone CR ends a line", "a\rb", {{"", "a"}, {"", "b"}}},
        {"CR CR LF ends two lines", "a\r\r\nb", {{"", "a"}, {"", ""}, {"", "b"}}},
        {"LF CR", "a\n\rb", {{"", "a\n"}, {"", "b"}}},
        {"Ctrl-Z mid-line keeps the start",
         "a\r\nbc\x1A"
         "d\r\ne",
         {{"", "a"}, {"", "bc"}}},
        {"Ctrl-Z after a line end adds no line", "a\r\n\x1A", {{"", "a"}}},
        {"only a line end", "\r\n", {{"", ""}}},
        {"spaces are kept", "  \r\n x \r\n", {{"", "  "}, {"", " x "}}},
        {"commands", ".TITLE Ab\r\n.verse\r\n. .x\r\n", {{"TITLE", "Ab"}, {"verse", ""}, {"", ".x"}}},
        {"code page 852", "\x8A\x90\xEB\xA0\r\n", {{"", "ŐÉŰá"}}},
    };
    for (const TLineCase& c : cases)
        EXPECT_EQ(c.Expected, ReadAll(c.Bytes)) << c.Name;
}

TEST(SongFile, CountsPhysicalLinesAndYieldsEmptyLinesPastTheEnd) {
    TTempDirectory folder;
    WriteBytes(folder / "song.txt", "a\r\n\r\n.b c");
    TSongFile file(folder / "song.txt");
    EXPECT_EQ(1u, file.ReadCommandLine().LineNumber);
    EXPECT_EQ(2u, file.ReadCommandLine().LineNumber);
    const TCommandLine last = file.ReadCommandLine();
    EXPECT_EQ(3u, last.LineNumber);
    EXPECT_EQ("b", last.Command);
    ASSERT_TRUE(file.AtEnd());
    const TCommandLine past = file.ReadCommandLine();
    EXPECT_TRUE(past.Command.empty() && past.Text.empty());
    EXPECT_TRUE(file.AtEnd());
}

TEST(SongFile, HasNoLineLengthLimit) {
    const std::string longLine(3'000'000, 'x');
    const TPairs pairs = ReadAll(longLine + "\r\n.t");
    ASSERT_EQ(2u, pairs.size());
    EXPECT_EQ(longLine, pairs[0].second);
}

} // namespace
