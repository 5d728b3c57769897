#include "library/artist.h"
#include "settings/songshifts.h"
#include "tests/settings/settingsfixture.h"
#include "tests/support/songfixture.h"

#include <set>
#include <string>

namespace {

class SongShiftsTest : public SettingsTest {
protected:
    // Songs of one artist file, named 0, 1, 2 ...
    std::unique_ptr<TArtist> Songs(int count, const std::string& fileName = "dalok.txt") {
        std::vector<std::string> lines = {".artist Zenekar"};
        for (int song = 0; song < count; ++song)
            lines.push_back(".title " + std::to_string(song));
        WriteBytes(m_folder / fileName, SongFileBytes(lines));
        return std::make_unique<TArtist>(m_folder / fileName);
    }
};

TEST_F(SongShiftsTest, EachSongComesBackWithItsShift) {
    const std::unique_ptr<TArtist> artist = Songs(3);
    const TSong& first = *artist->FirstSong;
    const TSong& second = *first.Next;
    WriteSongShift(*OpenStore(), first, {2, 3});
    WriteSongShift(*OpenStore(), second, {-5, 0});
    EXPECT_EQ((TSongShift{2, 3}), ReadSongShift(*OpenStore(), first));
    EXPECT_EQ((TSongShift{-5, 0}), ReadSongShift(*OpenStore(), second));
    EXPECT_EQ(TSongShift{}, ReadSongShift(*OpenStore(), *second.Next));
    WriteSongShift(*OpenStore(), first, {});
    EXPECT_EQ(TSongShift{}, ReadSongShift(*OpenStore(), first));
    // The same title in another artist's file is another song.
    const std::unique_ptr<TArtist> other = Songs(1, "más.txt");
    EXPECT_EQ(TSongShift{}, ReadSongShift(*OpenStore(), *other->FirstSong));
}

// However many songs are moved, the store keeps a bounded number of values;
// a song without a shift never takes another's slot.
TEST_F(SongShiftsTest, RemembersABoundedNumberOfSongs) {
    const std::unique_ptr<TArtist> artist = Songs(2 * TSongSlots::Count);
    const std::unique_ptr<TSettings> store = OpenStore();
    for (const TSong* song = artist->FirstSong.get(); song; song = song->Next.get())
        WriteSongShift(*store, *song, {1, 0});
    std::set<std::string> names;
    const std::string text = FileText();
    for (std::size_t at = text.find("\"Song"); at != std::string::npos; at = text.find("\"Song", at + 1))
        names.insert(text.substr(at, text.find('"', at + 1) - at));
    EXPECT_LE(names.size(), TSongSlots::Count);
    EXPECT_GT(names.size(), TSongSlots::Count * 8 / 10); // the hash spreads them (86 % expected)
    const TSong& last = *artist->LastSong;
    EXPECT_EQ((TSongShift{1, 0}), ReadSongShift(*store, last)); // the newest is always kept
    std::size_t remembered = 0;
    for (const TSong* song = artist->FirstSong.get(); song; song = song->Next.get())
        remembered += ReadSongShift(*store, *song) == TSongShift{1, 0};
    EXPECT_EQ(names.size(), remembered);
    const std::unique_ptr<TArtist> others = Songs(2 * TSongSlots::Count, "más.txt");
    for (const TSong* song = others->FirstSong.get(); song; song = song->Next.get())
        WriteSongShift(*store, *song, {});
    EXPECT_EQ(text, FileText());
}

// Whatever a slot holds by hand, a song is only moved by a value written for it.
TEST_F(SongShiftsTest, IgnoresWhatItDidNotWrite) {
    const std::unique_ptr<TArtist> artist = Songs(1);
    const TSong& song = *artist->FirstSong;
    WriteSongShift(*OpenStore(), song, {3, 1});
    std::string text = FileText();
    const std::size_t value = text.find("=\"3 1 ");
    ASSERT_NE(std::string::npos, value);
    const std::string name = text.substr(text.rfind('"', value - 2), value - text.rfind('"', value - 2));
    for (const std::string& stored : {std::string("=\"x 1 dalok.txt|0\""), std::string("=\"3 1 dalok.txt|1\""),
                                      std::string("=\"3\""), std::string("=dword:00000003")}) {
        WriteFile("Windows Registry Editor Version 5.00\r\n\r\n[" + CantorixKey + "\\Transpose]\r\n" + name + stored +
                  "\r\n");
        EXPECT_EQ(TSongShift{}, ReadSongShift(*OpenStore(), song)) << stored;
    }
    WriteFile("Windows Registry Editor Version 5.00\r\n\r\n[" + CantorixKey + "\\Transpose]\r\n" + name +
              "=\"25 40 dalok.txt|0\"\r\n");
    EXPECT_EQ((TSongShift{1, 11}), ReadSongShift(*OpenStore(), song)); // brought into range
}

} // namespace
