#include "platform/directorysearch.h"
#include "platform/inouterror.h"

#include <algorithm>
#include <filesystem>

std::vector<std::string> FindSongFiles(const std::string& directory) {
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(directory, error), end; !error && it != end; it.increment(error)) {
        std::string name = it->path().filename().string();
        if (IsSongFileName(name))
            names.push_back(std::move(name));
    }
    // A folder that is not there holds no songs; one that is there but
    // cannot be read must not pass for an empty library.
    if (error && error != std::errc::no_such_file_or_directory)
        throw TInOutError::Because(ErrorCodeFromErrno(error.value()),
                                   "Cannot read the folder " + directory + ": " + error.message());
    std::sort(names.begin(), names.end());
    return names;
}
