#pragma once

#include "library/artist.h"

#include <memory>
#include <string>
#include <vector>

// Every artist of the library, in load order. Built once at start-up.
extern std::unique_ptr<TArtist> Artists;

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
// skipped and reported in the result; the others still load.
std::vector<TLoadFailure> LoadSongLibrary(const std::string& dataDirectory, std::unique_ptr<TArtist>& artists,
                                          TLoadProgress* progress);

// Loads the Data folder beside the executable into Artists.
std::vector<TLoadFailure> LoadSongLibrary(TLoadProgress& status);
