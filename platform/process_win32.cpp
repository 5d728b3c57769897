#include "platform/process.h"

#include <windows.h>

long CurrentProcessId() {
    return static_cast<long>(GetCurrentProcessId());
}

// A process that has ended but whose handle someone still holds keeps its
// number; it has an exit code then.
bool ProcessIsGone(long processId) {
    const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(processId));
    if (!process)
        return GetLastError() == ERROR_INVALID_PARAMETER;
    DWORD exitCode = 0;
    const bool ended = GetExitCodeProcess(process, &exitCode) && exitCode != STILL_ACTIVE;
    CloseHandle(process);
    return ended;
}
