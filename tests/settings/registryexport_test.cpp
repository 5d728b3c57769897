#include "settings/registryexport.h"
#include "tests/support/songfixture.h"

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;

const std::string Root = "HKEY_CURRENT_USER\\Software\\Cantorix";

TRegistryTree Read(std::string_view text) {
    std::vector<TSkippedLine> skipped;
    TRegistryTree tree = ReadRegistryExport(text, skipped);
    for (const TSkippedLine& line : skipped)
        ADD_FAILURE() << "skipped line " << line.Line << ": " << line.Problem;
    return tree;
}

std::string TextOf(const TRegistryTree& tree, const std::string& key, const std::string& name) {
    const TRegistryValue* value = tree.FindValue(key, name);
    std::string text;
    if (!value || !RegistryValueText(*value, text))
        return "(none)";
    return text;
}

// What the registry editor writes when a user exports the key by hand.
const std::string HandExport = "Windows Registry Editor Version 5.00\r\n"
                               "\r\n"
                               "; exported for the new laptop\r\n"
                               "[HKEY_CURRENT_USER\\Software\\Cantorix]\r\n"
                               "\"Background\"=\"-2147483643\"\r\n"
                               "@=\"alapérték\"\r\n"
                               "\r\n"
                               "[HKEY_CURRENT_USER\\Software\\Cantorix\\Fonts\\Title]\r\n"
                               "\"Name\"=\"Times \\\"New\\\" Roman\\\\\"\r\n"
                               "\"Size\"=dword:0000000c\r\n"
                               "\"Expand\"=hex(2):25,00,55,00,53,00,45,00,52,00,25,00,00,00\r\n"
                               "\"Long\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,\\\r\n"
                               "  15,16\r\n"
                               "\"Gone\"=-\r\n"
                               "\r\n"
                               "[-HKEY_CURRENT_USER\\Software\\Cantorix\\Old]\r\n"
                               "\"Stale\"=\"1\"\r\n";

TEST(RegistryExport, ReadsEveryFormTheRegistryEditorWrites) {
    const TRegistryTree tree = Read(HandExport);
    const std::string title = Root + "\\Fonts\\Title";
    EXPECT_EQ("-2147483643", TextOf(tree, Root, "background")); // names ignore letter case
    EXPECT_EQ("alapérték", TextOf(tree, Root, ""));
    EXPECT_EQ("Times \"New\" Roman\\", TextOf(tree, Root + "\\fonts\\TITLE", "Name"));
    EXPECT_EQ("%USER%", TextOf(tree, title, "Expand")); // not expanded
    ASSERT_NE(nullptr, tree.FindValue(title, "Size"));
    EXPECT_EQ(RegistryType::Dword, tree.FindValue(title, "Size")->Type);
    EXPECT_EQ(std::string("\x0c\0\0\0", 4), tree.FindValue(title, "Size")->Bytes);
    EXPECT_EQ("(none)", TextOf(tree, title, "Size")); // not a string
    EXPECT_EQ(23u, tree.FindValue(title, "Long")->Bytes.size());
    EXPECT_EQ(nullptr, tree.FindValue(title, "Gone"));
    EXPECT_FALSE(tree.HasKey(Root + "\\Old"));
}

TEST(RegistryExport, WritesWhatItReadsBackUnchanged) {
    const std::string once = WriteRegistryExport(Read(HandExport));
    EXPECT_EQ(once, WriteRegistryExport(Read(once)));
    EXPECT_NE(std::string::npos, once.find("; exported for the new laptop\r\n")); // a person's note stays
    EXPECT_NE(std::string::npos, once.find("\"Size\"=dword:0000000c\r\n"));
    EXPECT_NE(std::string::npos, once.find("\"Name\"=\"Times \\\"New\\\" Roman\\\\\"\r\n"));
    EXPECT_NE(std::string::npos, once.find("\"Long\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,\\"
                                           "\r\n  14,15,16\r\n"));
}

TEST(RegistryExport, ListsKeysBeforeTheirSubkeysWhateverTheOrderOfWriting) {
    TRegistryTree tree;
    for (const std::string& key :
         {Root + "\\Positions\\Main", Root + "\\FontsX", Root + "\\Fonts\\Verse", Root, Root + "\\Fonts"})
        tree.SetValue(key, TRegistryValue::FromText("v", "1"));
    const std::string text = WriteRegistryExport(tree);
    std::vector<std::size_t> positions;
    for (const std::string& key :
         {Root + "]", Root + "\\Fonts]", Root + "\\Fonts\\Verse]", Root + "\\FontsX]", Root + "\\Positions\\Main]"})
        positions.push_back(text.find("[" + key));
    EXPECT_EQ(positions.end(), std::find(positions.begin(), positions.end(), std::string::npos)) << text;
    EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end())) << text;
}

TEST(RegistryExport, ReadsTheRegistryEditorsUtf16Files) {
    const std::string utf8 = "Windows Registry Editor Version 5.00\r\n\r\n[" + Root + "]\r\n\"Név\"=\"Ő\"\r\n";
    const std::string utf16 = "\xFF\xFE" + Iconv(utf8, "UTF-8", "UTF-16LE");
    EXPECT_EQ(WriteRegistryExport(Read(utf8)), WriteRegistryExport(Read(utf16)));
    EXPECT_EQ("Ő", TextOf(Read(utf16), Root, "név"));
}

// Only a file that is not an export at all counts as damaged.
TEST(RegistryExport, RejectsOnlyWhatIsNotAnExport) {
    const std::vector<std::string> notExports = {"\0\0\0garbage"s, "Windows Registry Editor Version 5.00\n\xC3(\n",
                                                 "[" + Root + "]\n", "valami\n"};
    for (const std::string& text : notExports) {
        std::vector<TSkippedLine> skipped;
        EXPECT_THROW(ReadRegistryExport(text, skipped), TRegistryParseError) << text;
    }
    EXPECT_TRUE(Read("").Keys().empty());
    EXPECT_TRUE(Read("\r\n  \r\n").Keys().empty());
    std::vector<TSkippedLine> skipped;
    const TRegistryTree older = ReadRegistryExport("REGEDIT4\r\n\r\n[" + Root + "]\r\n\"Size\"=\"2\"\r\n", skipped);
    EXPECT_EQ("2", TextOf(older, Root, "Size"));
    ASSERT_EQ(1u, skipped.size());
    EXPECT_EQ(1u, skipped[0].Line);
}

// A line the reader does not understand costs that line alone: it is named
// by its number, every other value is read, and the line stays in the file.
TEST(RegistryExport, SkipsALineItCannotReadAndKeepsEverythingElse) {
    const std::vector<std::pair<std::string, std::string>> badLines = {
        {"\"a\"=\"1\" ", "text after a string value"},
        {"\"a\" = \"1\"", "a value name must be followed by = with no space"},
        {"\"a\"=\"1", "a string without its closing quote"},
        {"valami", "a line that is neither a key nor a value"},
        {"\"a\"=dword:123456789", "a dword needs one to eight hexadecimal digits"},
        {"\"a\"=hex:1,02", "bytes must be pairs of hexadecimal digits"},
        {"\"a\"=hex:01,02,\\", "a value continued past its end"},
        {"\"a\"=word:1", "unknown value data \"word:1\""},
    };
    for (const auto& [bad, problem] : badLines) {
        const std::string text = "Windows Registry Editor Version 5.00\r\n\r\n[" + Root + "]\r\n\"Before\"=\"1\"\r\n" +
                                 bad + "\r\n\"After\"=\"2\"\r\n";
        std::vector<TSkippedLine> skipped;
        const TRegistryTree tree = ReadRegistryExport(text, skipped);
        ASSERT_EQ(1u, skipped.size()) << bad;
        EXPECT_EQ(5u, skipped[0].Line) << bad;
        EXPECT_EQ(problem, skipped[0].Problem) << bad;
        EXPECT_EQ("1", TextOf(tree, Root, "Before")) << bad;
        EXPECT_EQ("2", TextOf(tree, Root, "After")) << bad;
        const std::string written = WriteRegistryExport(tree);
        EXPECT_NE(std::string::npos, written.find(";" + bad + "\r\n")) << bad;
        EXPECT_EQ(written, WriteRegistryExport(Read(written))) << bad; // read back with nothing skipped
    }
}

// Found by fuzzing: a value continued onto a line of blanks.
TEST(RegistryExport, AValueContinuedOntoABlankLineIsSkipped) {
    std::vector<TSkippedLine> skipped;
    const TRegistryTree tree = ReadRegistryExport(
        "Windows Registry Editor Version 5.00\n[" + Root + "]\n\"a\"=hex:01,\\\n   \n\"b\"=\"2\"\n", skipped);
    ASSERT_EQ(1u, skipped.size());
    EXPECT_EQ("a value continued past its end", skipped[0].Problem);
    EXPECT_EQ("2", TextOf(tree, Root, "b"));
}

// Values under a key line that cannot be read must not land in the key before it.
TEST(RegistryExport, ABrokenKeyLineKeepsItsValuesOutOfOtherKeys) {
    std::vector<TSkippedLine> skipped;
    const TRegistryTree tree = ReadRegistryExport("Windows Registry Editor Version 5.00\n[" + Root +
                                                      "]\n\"a\"=\"1\"\n[" + Root + "\\Page\n\"a\"=\"2\"\n",
                                                  skipped);
    EXPECT_EQ("1", TextOf(tree, Root, "a"));
    ASSERT_EQ(2u, skipped.size());
    EXPECT_EQ(4u, skipped[0].Line);
    EXPECT_EQ(5u, skipped[1].Line);
}

// A text with a line break or a NUL, written in quotes, would break the file
// at the next start: such texts go in the registry's own hex form.
TEST(RegistryExport, AnyTextIsWrittenSoThatItReadsBackTheSame) {
    const std::vector<std::string> texts = {"két\r\nsor", "\"idézet\" \\ és \\\"", "tab\there", "nul\0után"s,
                                            "\x01\x1f"};
    TRegistryTree tree;
    for (std::size_t i = 0; i < texts.size(); ++i)
        tree.SetValue(Root, TRegistryValue::FromText("v" + std::to_string(i), texts[i]));
    const std::string written = WriteRegistryExport(tree);
    const TRegistryTree back = Read(written);
    for (std::size_t i = 0; i < texts.size(); ++i)
        EXPECT_EQ(texts[i].substr(0, texts[i].find('\0')), TextOf(back, Root, "v" + std::to_string(i))) << i;
    EXPECT_NE(std::string::npos, written.find("\"v2\"=\"tab\there\"")); // a tab is fine in quotes
    EXPECT_NE(std::string::npos, written.find("\"v0\"=hex(1):6b,00,e9,00,74,00,0d,00,0a,00,73,00,6f,00,72,00,00,00"));
    EXPECT_EQ(written, WriteRegistryExport(back));
}

} // namespace
