#include "shell/librarywatcher.h"

#include "platform/directorysearch.h"

#include <QApplication>
#include <QFileInfo>

TLibraryWatcher::TLibraryWatcher(QObject* parent) : QObject(parent) {
    m_quiet.setSingleShot(true);
    m_quiet.setInterval(QuietMilliseconds);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, &m_quiet, qOverload<>(&QTimer::start));
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, &m_quiet, qOverload<>(&QTimer::start));
    connect(&m_quiet, &QTimer::timeout, this, &TLibraryWatcher::Settled);
}

void TLibraryWatcher::Watch(const QString& folder) {
    m_quiet.stop();
    if (const QStringList watched = m_watcher.files() + m_watcher.directories(); !watched.isEmpty())
        m_watcher.removePaths(watched);
    if (!QFileInfo(folder).isDir())
        return;
    m_watcher.addPath(folder);
    const std::string path = folder.toStdString();
    QStringList files;
    for (const std::string& name : FindSongFiles(path)) {
        if (files.size() == MostWatchedFiles)
            break;
        files << QString::fromStdString(JoinPath(path, name));
    }
    if (!files.isEmpty())
        m_watcher.addPaths(files);
}

void TLibraryWatcher::Settled() {
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget())
        m_quiet.start();
    else
        emit Changed();
}
