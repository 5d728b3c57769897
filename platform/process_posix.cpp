#include "platform/process.h"

#include <cerrno>
#include <csignal>
#include <unistd.h>

long CurrentProcessId() {
    return static_cast<long>(getpid());
}

bool ProcessIsGone(long processId) {
    return kill(static_cast<pid_t>(processId), 0) != 0 && errno == ESRCH;
}
