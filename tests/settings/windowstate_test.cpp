#include "settings/windowstate.h"
#include "tests/settings/settingsfixture.h"

#include <optional>
#include <string>
#include <vector>

namespace {

using WindowStateTest = SettingsTest;

// A place is taken only whole: four integers and a size.
TEST_F(WindowStateTest, APositionIsReadOnlyWhenAllOfItIsThere) {
    struct TCase {
        const char* Name;
        std::vector<std::pair<const char*, const char*>> Stored;
        std::optional<TWindowGeometry> Expected;
    };
    const std::vector<TCase> cases = {
        {"whole",
         {{"Top", "20"}, {"Left", "-8"}, {"Width", "640"}, {"Height", "$1E0"}},
         TWindowGeometry{-8, 20, 640, 480}},
        {"nothing", {}, std::nullopt},
        {"no height", {{"Top", "20"}, {"Left", "10"}, {"Width", "640"}}, std::nullopt},
        {"not a number", {{"Top", "20"}, {"Left", "10"}, {"Width", "640px"}, {"Height", "480"}}, std::nullopt},
        {"no width", {{"Top", "20"}, {"Left", "10"}, {"Width", "0"}, {"Height", "480"}}, std::nullopt},
        {"negative height", {{"Top", "20"}, {"Left", "10"}, {"Width", "640"}, {"Height", "-480"}}, std::nullopt},
    };
    for (const TCase& c : cases) {
        WriteFile("Windows Registry Editor Version 5.00\r\n");
        for (const auto& [name, text] : c.Stored)
            OpenStore()->WriteTextValue("Positions\\Main", name, text);
        const std::optional<TWindowGeometry> read = ReadWindowPosition(*OpenStore(), "Main");
        ASSERT_EQ(c.Expected.has_value(), read.has_value()) << c.Name;
        if (read) {
            EXPECT_EQ(c.Expected->Left, read->Left);
            EXPECT_EQ(c.Expected->Top, read->Top);
            EXPECT_EQ(c.Expected->Width, read->Width);
            EXPECT_EQ(c.Expected->Height, read->Height);
        }
        EXPECT_FALSE(ReadWindowPosition(*OpenStore(), "List")) << c.Name;
    }
}

TEST_F(WindowStateTest, TheTreeComesBackAsItWasLeft) {
    const std::vector<TStoredTree> trees = {
        {{"Alföldi népdalok", "", "Őszi zenekar"}, "Őszi zenekar", "Hull a|levél"},
        {{}, "", std::nullopt}, // the artist without a name, selected
        {{}, std::nullopt, std::nullopt},
    };
    for (const TStoredTree& tree : trees) {
        WriteTreeState(*OpenStore(), tree);
        const TStoredTree read = ReadTreeState(*OpenStore());
        EXPECT_EQ(tree.Expanded, read.Expanded);
        EXPECT_EQ(tree.SelectedArtist, read.SelectedArtist);
        EXPECT_EQ(tree.SelectedSong, read.SelectedSong);
    }
    EXPECT_NE(std::string::npos, FileText().find("\"Expanded\"=\"\"")) << FileText();
}

// The store never grows with the library, and a name that the value could
// not tell apart is left out, never mistaken for two.
TEST_F(WindowStateTest, WhatIsRememberedIsBounded) {
    TStoredTree many;
    for (int artist = 0; artist < 100; ++artist)
        many.Expanded.push_back(artist == 1 ? "Egy|Kettő" : "Előadó " + std::to_string(artist));
    many.SelectedArtist = "Rock|Pop";
    many.SelectedSong = "Dal";
    WriteTreeState(*OpenStore(), many);
    TStoredTree read = ReadTreeState(*OpenStore());
    ASSERT_EQ(MostExpandedRemembered, read.Expanded.size());
    EXPECT_EQ("Előadó 0", read.Expanded[0]);
    EXPECT_EQ("Előadó 2", read.Expanded[1]);
    EXPECT_EQ(std::nullopt, read.SelectedArtist);
    EXPECT_EQ(std::nullopt, read.SelectedSong);

    const TStoredTree longNames{{std::string(3000, 'a'), std::string(3000, 'b')}, std::string(5000, 'c'), "x"};
    WriteTreeState(*OpenStore(), longNames);
    read = ReadTreeState(*OpenStore());
    EXPECT_EQ(std::vector<std::string>{std::string(3000, 'a')}, read.Expanded);
    EXPECT_EQ(std::nullopt, read.SelectedArtist);
    WriteTreeState(*OpenStore(), {{}, std::string(3000, 'c'), std::string(3000, 'd')});
    read = ReadTreeState(*OpenStore());
    EXPECT_EQ(std::string(3000, 'c'), read.SelectedArtist);
    EXPECT_EQ(std::nullopt, read.SelectedSong); // the artist is kept without it
}

} // namespace
