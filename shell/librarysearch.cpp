#include "shell/librarysearch.h"

#include "qtbridge/qttext.h"

#include <QtConcurrent/QtConcurrentRun>

TLibrarySearch::TLibrarySearch(const TArtist* artists, QFuture<void> after, QObject* parent) : QObject(parent) {
    connect(&m_building, &QFutureWatcher<std::shared_ptr<const TSearchIndex>>::finished, this, [this] {
        m_index = m_building.result();
        emit ReadyNow();
    });
    m_building.setFuture(QtConcurrent::run([artists, after]() mutable {
        after.waitForFinished();
        return std::make_shared<const TSearchIndex>(artists);
    }));
}

TLibrarySearch::~TLibrarySearch() {
    m_building.waitForFinished();
}

TSearchResult TLibrarySearch::Find(const QString& text) const {
    return m_index ? m_index->Find(TQuery(ToAnsi(text))) : TSearchResult{};
}
