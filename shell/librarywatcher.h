#pragma once

#include <QFileSystemWatcher>
#include <QTimer>

// Tells when the song files of a folder change: a file added, removed,
// renamed or written. It waits for a quiet moment first, so that a program
// saving many files (or one file in steps) causes one reload, and while a
// dialog is open, whose command may still hold the library.
class TLibraryWatcher : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TLibraryWatcher)

public:
    // How many files are watched for writes, besides the folder itself:
    // each takes a slot of the system's limited supply of watches. Files
    // past it are still seen when they are added, removed or renamed.
    static constexpr int MostWatchedFiles = 4096;
    static constexpr int QuietMilliseconds = 500;

    explicit TLibraryWatcher(QObject* parent);

    // From now on the folder, and its song files as they are now.
    void Watch(const QString& folder);

signals:
    void Changed();

private:
    void Settled();

    QFileSystemWatcher m_watcher;
    QTimer m_quiet;
};
