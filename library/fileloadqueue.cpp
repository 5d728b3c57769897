#include "library/fileloadqueue.h"

#include "platform/inouterror.h"

#include <algorithm>
#include <system_error>

namespace {

// One file that cannot be read or held must not hide the rest of the library.
TLoadedFile LoadFile(const std::string& path, TByteArena& arena) {
    TLoadedFile file;
    try {
        file.Artist = std::make_unique<TArtist>(path, nullptr, &arena);
    } catch (const TInOutError& error) {
        file.Failure = error.what();
    } catch (const std::bad_alloc&) {
        file.Failure = "Not enough memory to load the file";
    } catch (...) {
        file.Error = std::current_exception();
    }
    return file;
}

} // namespace

TFileLoadQueue::TFileLoadQueue(const std::vector<std::string>& paths, std::size_t threads)
    : m_paths(paths), m_files(paths.size()), m_done(std::make_unique<bool[]>(paths.size())) {
    const std::size_t loaders = std::min(threads, paths.size());
    const std::size_t workers = loaders > 1 ? loaders - 1 : 0;
    // A system that will not start another thread still gets its library, on fewer threads.
    try {
        for (std::size_t k = 0; k < workers; ++k)
            m_workers.emplace_back(&TFileLoadQueue::Work, this);
    } catch (const std::system_error&) {
    }
}

TFileLoadQueue::~TFileLoadQueue() {
    m_stopping = true;
    for (std::thread& worker : m_workers)
        worker.join();
}

// Claims the next file nobody has claimed and loads it; false when none is left.
bool TFileLoadQueue::LoadNextUnclaimed(TByteArena& arena) {
    if (m_stopping)
        return false;
    const std::size_t index = m_nextClaimed.fetch_add(1);
    if (index >= m_paths.size())
        return false;
    TLoadedFile file = LoadFile(m_paths[index], arena);
    const std::lock_guard lock(m_mutex);
    m_files[index] = std::move(file);
    m_done[index] = true;
    m_fileDone.notify_all();
    return true;
}

void TFileLoadQueue::Work() {
    TByteArena arena;
    while (LoadNextUnclaimed(arena)) {
    }
}

TLoadedFile TFileLoadQueue::Take() {
    const std::size_t index = m_nextTaken++;
    std::unique_lock lock(m_mutex);
    while (!m_done[index]) {
        lock.unlock();
        const bool loaded = LoadNextUnclaimed(m_takerArena);
        lock.lock();
        if (!loaded)
            m_fileDone.wait(lock, [&] { return m_done[index]; });
    }
    TLoadedFile file = std::move(m_files[index]);
    lock.unlock();
    if (file.Error)
        std::rethrow_exception(file.Error);
    return file;
}
