#include "shell/songpresort.h"

#include "library/artist.h"
#include "shell/treenode.h"

#include <QtConcurrent/QtConcurrentRun>

namespace {

// Below this an artist opens in a few milliseconds without help.
constexpr std::size_t ManySongs = 2000;

TSongPresort::TOrders SortManySongs(const TArtist* artists) {
    TSongPresort::TOrders orders;
    for (const TArtist* artist = artists; artist; artist = artist->Next.get()) {
        const std::vector<const TSong*> songs = SongsOf(*artist);
        if (songs.size() >= ManySongs)
            orders.emplace(artist, SongOrder(songs));
    }
    return orders;
}

} // namespace

std::vector<const TSong*> SongsOf(const TArtist& artist) {
    std::vector<const TSong*> songs;
    for (const TSong* song = artist.FirstSong.get(); song; song = song->Next.get())
        songs.push_back(song);
    return songs;
}

TSongPresort::TSongPresort(const TArtist* artists, QObject* parent) : QObject(parent) {
    setObjectName("SongPresort");
    connect(&m_sorting, &QFutureWatcher<TOrders>::finished, this, &TSongPresort::Collect);
    m_sorting.setFuture(QtConcurrent::run([artists] { return SortManySongs(artists); }));
}

TSongPresort::~TSongPresort() {
    m_sorting.waitForFinished();
}

// Once, whether the sorting ends first or an artist is opened first.
void TSongPresort::Collect() {
    if (m_ready)
        return;
    m_sorting.waitForFinished();
    m_orders = m_sorting.result();
    m_ready = true;
}

std::optional<TNameOrder> TSongPresort::Take(const TArtist& artist, std::size_t songs) {
    if (songs < ManySongs)
        return std::nullopt;
    Collect();
    const auto found = m_orders.find(&artist);
    if (found == m_orders.end())
        return std::nullopt;
    std::optional<TNameOrder> order = std::move(found->second);
    m_orders.erase(found);
    return order;
}
