#include "library/loader.h"

#include "library/chain.h"
#include "platform/bytearena.h"
#include "platform/directorysearch.h"
#include "platform/executable.h"
#include "platform/inouterror.h"
#include "platform/orderedwork.h"

std::shared_ptr<const TArtist> Artists;

namespace {

// What became of one song file: its artist, or why it could not be loaded.
struct TLoadedFile {
    std::unique_ptr<TArtist> Artist;
    std::string Failure;
};

// One file that cannot be read or held must not hide the rest of the library.
TLoadedFile LoadFile(const std::string& path, TByteArena& arena) {
    try {
        return {std::make_unique<TArtist>(path, nullptr, &arena), {}};
    } catch (const TInOutError& error) {
        return {nullptr, error.what()};
    } catch (const std::bad_alloc&) {
        return {nullptr, "Not enough memory to load the file"};
    }
}

} // namespace

// The files are read and parsed on several threads, each into an arena of
// its own, but linked, reported and counted as failures here, in the order
// of their names, as if one thread had loaded them one after another.
std::vector<TLoadFailure> LoadSongLibrary(const std::string& dataDirectory, std::unique_ptr<TArtist>& artists,
                                          TLoadProgress* progress, std::size_t threads) {
    TArtist* last = artists.get();
    while (last && last->Next)
        last = last->Next.get();

    std::vector<std::string> paths;
    for (const std::string& name : FindSongFiles(dataDirectory))
        paths.push_back(JoinPath(dataDirectory, name));
    threads = std::max<std::size_t>(threads, 1);
    std::vector<TByteArena> arenas(threads);
    TOrderedWork<TLoadedFile> loading(paths.size(), threads, [&](std::size_t file, std::size_t thread) {
        return LoadFile(paths[file], arenas[thread]);
    });
    std::vector<TLoadFailure> failures;
    for (const std::string& path : paths) {
        if (progress)
            progress->FileStarted(path);
        TLoadedFile file = loading.Take();
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
