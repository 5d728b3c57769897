#include "library/loader.h"

#include "library/chain.h"
#include "library/fileloadqueue.h"
#include "platform/directorysearch.h"
#include "platform/executable.h"

#include <algorithm>
#include <thread>

std::shared_ptr<const TArtist> Artists;

std::size_t DefaultLoadThreads() {
    return std::max(1u, std::thread::hardware_concurrency());
}

// The files are loaded on several threads, but linked, reported and
// counted as failures here, in the order of their names, as if one thread
// had loaded them one after another.
std::vector<TLoadFailure> LoadSongLibrary(const std::string& dataDirectory, std::unique_ptr<TArtist>& artists,
                                          TLoadProgress* progress, std::size_t threads) {
    TArtist* last = artists.get();
    while (last && last->Next)
        last = last->Next.get();

    std::vector<std::string> paths;
    for (const std::string& name : FindSongFiles(dataDirectory))
        paths.push_back(JoinPath(dataDirectory, name));
    TFileLoadQueue queue(paths, threads);
    std::vector<TLoadFailure> failures;
    for (const std::string& path : paths) {
        if (progress)
            progress->FileStarted(path);
        TLoadedFile file = queue.Take();
        if (file.Artist) {
            AppendToChain(artists, last, std::move(file.Artist));
            continue;
        }
        failures.push_back({path, std::move(file.Failure)});
        if (progress)
            progress->FileFailed(failures.back());
    }
    return failures;
}

std::vector<TLoadFailure> LoadSongLibrary(TLoadProgress& status) {
    std::unique_ptr<TArtist> artists;
    std::vector<TLoadFailure> failures = LoadSongLibrary(DataDirectory(), artists, &status);
    Artists = std::move(artists);
    return failures;
}
