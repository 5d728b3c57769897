#pragma once

#include "library/artist.h"
#include "platform/bytearena.h"

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// What became of one song file: its artist, or why it could not be loaded.
struct TLoadedFile {
    std::unique_ptr<TArtist> Artist;
    std::string Failure;      // for a file that could not be read or held
    std::exception_ptr Error; // anything else, for the caller to rethrow
};

// Loads song files on several threads and hands the outcomes back in the
// order of the files, on the thread that takes them: whoever takes them sees
// exactly what loading one file after another would have shown. The taking
// thread loads files too while the one it waits for is not yet done. Each
// thread keeps the texts it reads in an arena of its own.
class TFileLoadQueue {
public:
    // threads counts the taking thread: 1 loads every file on it, in order.
    TFileLoadQueue(const std::vector<std::string>& paths, std::size_t threads);
    ~TFileLoadQueue();
    TFileLoadQueue(const TFileLoadQueue&) = delete;
    TFileLoadQueue& operator=(const TFileLoadQueue&) = delete;

    // The next file's outcome, once it is loaded; rethrows its Error.
    TLoadedFile Take();

private:
    bool LoadNextUnclaimed(TByteArena& arena);
    void Work();

    const std::vector<std::string>& m_paths;
    std::vector<TLoadedFile> m_files;
    std::unique_ptr<bool[]> m_done; // guarded by m_mutex
    std::atomic<std::size_t> m_nextClaimed{0};
    std::atomic<bool> m_stopping{false};
    std::size_t m_nextTaken = 0;
    TByteArena m_takerArena; // for the files the taking thread loads
    std::mutex m_mutex;
    std::condition_variable m_fileDone;
    std::vector<std::thread> m_workers;
};
