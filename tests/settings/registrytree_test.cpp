#include "settings/registrytree.h"
#include "tests/support/songfixture.h"

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;

const std::string Root = "HKEY_CURRENT_USER\\Software\\Cantorix";

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
    const TRegistryTree tree = TRegistryTree::Parse(HandExport);
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
    const std::string once = TRegistryTree::Parse(HandExport).Serialize();
    EXPECT_EQ(once, TRegistryTree::Parse(once).Serialize());
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
    const std::string text = tree.Serialize();
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
    EXPECT_EQ(TRegistryTree::Parse(utf8).Serialize(), TRegistryTree::Parse(utf16).Serialize());
    EXPECT_EQ("Ő", TextOf(TRegistryTree::Parse(utf16), Root, "név"));
}

TEST(RegistryExport, RejectsDamagedFilesNamingTheLine) {
    const std::string header = "Windows Registry Editor Version 5.00\n";
    const std::vector<std::pair<std::string, std::string>> damaged = {
        {"", "line 1: not a registry export"},
        {"REGEDIT4\n", "line 1: not a registry export"},
        {"\0\0\0garbage"s, "line 1: not a registry export"},
        {header + "\"a\"=\"1\"\n", "line 2: a value before the first key"},
        {header + "[K]\n\"a\"=\"1\n", "line 3: a string without its closing quote"},
        {header + "[K]\n\"a\"=\"1\"x\n", "line 3: text after a string value"},
        {header + "[K]\nvalami\n", "line 3: a line that is neither a key nor a value"},
        {header + "[K\n", "line 2: a key line must end in ]"},
        {header + "[K]\n\"a\"=dword:123456789\n", "line 3: a dword needs one to eight hexadecimal digits"},
        {header + "[K]\n\"a\"=hex:1,02\n", "line 3: bytes must be pairs of hexadecimal digits"},
        {header + "[K]\n\"a\"=hex:01,02,\\\n", "line 3: a value continued past the end of the file"},
        {header + "[K]\n\"a\"=word:1\n", "line 3: unknown value data \"word:1\""},
    };
    for (const auto& [text, message] : damaged) {
        try {
            TRegistryTree::Parse(text);
            ADD_FAILURE() << "parsed: " << text;
        } catch (const TRegistryParseError& error) {
            EXPECT_EQ(0u, std::string(error.what()).find(message)) << error.what();
        }
    }
}

} // namespace
