#pragma once

#include "library/artist.h"
#include "library/loader.h"

#include <ostream>
#include <string>
#include <vector>

// Remembers the path of every artist that loaded, in load order: the model
// itself does not keep where an artist came from.
class TLoadedPaths : public TLoadProgress {
public:
    void FileStarted(const std::string& path) override { Paths.push_back(path); }
    void FileFailed(const TLoadFailure&) override { Paths.pop_back(); }

    std::vector<std::string> Paths;
};

// The library as JSON, artists in load order (paired with their paths), then
// the files that failed.
void WriteLibraryJson(std::ostream& out, const TArtist* artists, const std::vector<std::string>& paths,
                      const std::vector<TLoadFailure>& failures);
