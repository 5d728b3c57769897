#pragma once

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

// One thread per core.
inline std::size_t DefaultThreads() {
    return std::max(1u, std::thread::hardware_concurrency());
}

// Work on items 0 to count - 1, spread over several threads, with the results
// handed back in item order on the thread that takes them: whoever takes them
// sees what doing one item after another would have shown. The taking thread
// works too while the item it waits for is not done. An exception from an
// item's work is rethrown when that item is taken.
template <class Result> class TOrderedWork {
public:
    // thread is 0 on the taking thread and 1 to threads - 1 on the others,
    // for what each thread keeps for itself.
    using TWork = std::function<Result(std::size_t item, std::size_t thread)>;

    // threads counts the taking thread: 1 does every item on it, in order.
    // Other threads finish at most ahead items past the next one taken (0:
    // no limit), so that results waiting to be taken do not pile up.
    TOrderedWork(std::size_t count, std::size_t threads, TWork work, std::size_t ahead = 0)
        : m_work(std::move(work)), m_items(count), m_ahead(ahead) {
        const std::size_t helpers = std::min(std::max<std::size_t>(threads, 1), std::max<std::size_t>(count, 1)) - 1;
        // A system that will not start another thread still gets the work done, on fewer threads.
        try {
            for (std::size_t thread = 1; thread <= helpers; ++thread)
                m_threads.emplace_back([this, thread] { Help(thread); });
        } catch (const std::system_error&) {
        }
    }

    ~TOrderedWork() {
        {
            const std::lock_guard lock(m_mutex);
            m_stopping = true;
        }
        m_itemDone.notify_all();
        m_windowMoved.notify_all();
        for (std::thread& thread : m_threads)
            thread.join();
    }

    TOrderedWork(const TOrderedWork&) = delete;
    TOrderedWork& operator=(const TOrderedWork&) = delete;

    // The next item's result, once it is done.
    Result Take() {
        const std::size_t item = m_nextTaken;
        std::unique_lock lock(m_mutex);
        while (!m_items[item].Done) {
            lock.unlock();
            const bool worked = DoNextUnclaimed(0);
            lock.lock();
            while (!worked && !m_items[item].Done) {
                m_takerSleeps = true;
                m_itemDone.wait(lock);
                m_takerSleeps = false;
            }
        }
        TItem done = std::move(m_items[item]);
        if (++m_nextTaken >= m_wakeHelpersAt) {
            m_wakeHelpersAt = NoHelperWaits;
            m_windowMoved.notify_all();
        }
        lock.unlock();
        if (done.Error)
            std::rethrow_exception(done.Error);
        return std::move(*done.Value);
    }

private:
    struct TItem {
        std::optional<Result> Value;
        std::exception_ptr Error;
        bool Done = false;
    };

    static constexpr std::size_t NoHelperWaits = static_cast<std::size_t>(-1);

    void Help(std::size_t thread) {
        while (DoNextUnclaimed(thread)) {
        }
    }

    // Claims the next item nobody has claimed and does it; false when none is
    // left or the work stops. A helper past the window waits until the taker
    // is half a window from its item, so that it is not woken for each item
    // taken. Waking a thread is a system call: only sleeping threads are woken.
    bool DoNextUnclaimed(std::size_t thread) {
        const std::size_t item = m_nextClaimed.fetch_add(1);
        if (item >= m_items.size())
            return false;
        if (thread != 0 && m_ahead != 0) {
            std::unique_lock lock(m_mutex);
            const std::size_t wakeAt = item + 1 - std::min(item + 1, m_ahead / 2 + 1);
            while (!m_stopping && item >= m_nextTaken + m_ahead) {
                m_wakeHelpersAt = std::min(m_wakeHelpersAt, wakeAt);
                m_windowMoved.wait(lock);
            }
        }
        TItem done;
        try {
            if (!m_stopping)
                done.Value.emplace(m_work(item, thread));
        } catch (...) {
            done.Error = std::current_exception();
        }
        done.Done = true;
        const std::lock_guard lock(m_mutex);
        m_items[item] = std::move(done);
        if (m_takerSleeps)
            m_itemDone.notify_one();
        return !m_stopping;
    }

    const TWork m_work;
    std::vector<TItem> m_items; // guarded by m_mutex
    const std::size_t m_ahead;
    std::atomic<std::size_t> m_nextClaimed{0};
    // Guarded by m_mutex:
    std::size_t m_nextTaken = 0;
    bool m_takerSleeps = false;
    std::size_t m_wakeHelpersAt = NoHelperWaits;
    std::atomic<bool> m_stopping{false}; // set under m_mutex
    std::mutex m_mutex;
    std::condition_variable m_itemDone;
    std::condition_variable m_windowMoved;
    std::vector<std::thread> m_threads;
};
