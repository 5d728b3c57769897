#include "library/loader.h"

#include "library/chain.h"
#include "platform/directorysearch.h"
#include "platform/executable.h"
#include "platform/inouterror.h"

std::shared_ptr<const TArtist> Artists;

std::vector<TLoadFailure> LoadSongLibrary(const std::string& dataDirectory, std::unique_ptr<TArtist>& artists,
                                          TLoadProgress* progress) {
    TArtist* last = artists.get();
    while (last && last->Next)
        last = last->Next.get();

    std::vector<TLoadFailure> failures;
    for (const std::string& name : FindSongFiles(dataDirectory)) {
        const std::string path = JoinPath(dataDirectory, name);
        if (progress)
            progress->FileStarted(path);
        // One file that cannot be read or held must not hide the rest of the library.
        try {
            AppendToChain(artists, last, std::make_unique<TArtist>(path));
            continue;
        } catch (const TInOutError& error) {
            failures.push_back({path, error.what()});
        } catch (const std::bad_alloc&) {
            failures.push_back({path, "Not enough memory to load the file"});
        }
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
