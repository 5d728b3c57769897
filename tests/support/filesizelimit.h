#pragma once

#include <csignal>
#include <sys/resource.h>

// While it lives, no file of this process may grow beyond the given size:
// writes past it fail as on a full disk (and work for root too).
class TFileSizeLimit {
public:
    explicit TFileSizeLimit(rlim_t bytes);
    ~TFileSizeLimit();
    TFileSizeLimit(const TFileSizeLimit&) = delete;
    TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int);
};
