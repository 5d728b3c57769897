#pragma once

#include "search/searchindex.h"

#include <QFutureWatcher>
#include <QObject>
#include <memory>

// The search over the whole library. Its index is built on another thread
// as soon as the library is there and the work before it (`after`) is done,
// so that start-up does not wait for it; a query asked before it is ready is
// answered once it is.
class TLibrarySearch : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TLibrarySearch)

public:
    TLibrarySearch(const TArtist* artists, QFuture<void> after, QObject* parent);
    // Waits for the index: the thread that builds it reads the library.
    ~TLibrarySearch() override;

    bool Ready() const { return m_index != nullptr; }
    // What the typed text finds; nothing until the index is ready.
    TSearchResult Find(const QString& text) const;

signals:
    void ReadyNow();

private:
    QFutureWatcher<std::shared_ptr<const TSearchIndex>> m_building;
    std::shared_ptr<const TSearchIndex> m_index;
};
