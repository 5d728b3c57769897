#pragma once

#include "library/artist.h"
#include "platform/orderedwork.h"

#include <memory>
#include <string>
#include <vector>

// Every artist of the library shown, in load order. Each library is
// read-only once built; a new one may take its place (another folder, or the
// folder changed), and whoever still shows a song of the old one shares it.
extern std::shared_ptr<const TArtist> Artists;

struct TLoadFailure {
    std::string Path;
    std::string Message;
};

// What the load-status dialog is told while the library loads.
class TLoadProgress {
public:
    virtual ~TLoadProgress() = default;
    virtual void FileStarted(const std::string& path) = 0;
    virtual void FileFailed(const TLoadFailure& failure) = 0;
};

// Loads every song file of the folder, in file-name order, appending each
// artist to the list once it is complete. A file that cannot be read is
// skipped and reported in the result; the others still load. Files are read
// and parsed on up to threads threads at once, but progress is reported
// only from the calling thread, file by file in name order, and the result
// is the same for any number of threads.
std::vector<TLoadFailure> LoadSongLibrary(const std::string& dataDirectory, std::unique_ptr<TArtist>& artists,
                                          TLoadProgress* progress, std::size_t threads = DefaultThreads());

// Loads the default folder (DataDirectory()) into Artists, in place of what was there.
std::vector<TLoadFailure> LoadSongLibrary(TLoadProgress& status);
