#pragma once

#include "qtbridge/nameorder.h"

#include <QFutureWatcher>
#include <QObject>
#include <optional>
#include <unordered_map>

class TArtist;
class TSong;

// The songs of the artists that have many, sorted on another thread as soon
// as the library is shown: sorting a hundred thousand titles was most of the
// time of opening such an artist. Smaller artists sort fast enough on the spot.
class TSongPresort : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TSongPresort)

public:
    using TOrders = std::unordered_map<const TArtist*, TNameOrder>;

    TSongPresort(const TArtist* artists, QObject* parent);
    // Waits for the sorting: its thread reads the library.
    ~TSongPresort() override;

    // The order of the artist's songs (as its list holds them), handed over
    // once; for an artist of many it waits for the sorting under way, which
    // started first and has the cores. Nothing for an artist of few songs.
    std::optional<TNameOrder> Take(const TArtist& artist, std::size_t songs);
    bool Ready() const { return m_ready; }
    // Finished once the songs are sorted.
    QFuture<void> Sorting() const { return QFuture<void>(m_sorting.future()); }

private:
    void Collect();

    QFutureWatcher<TOrders> m_sorting;
    TOrders m_orders;
    bool m_ready = false;
};

// The artist's songs in the order of its list.
std::vector<const TSong*> SongsOf(const TArtist& artist);
