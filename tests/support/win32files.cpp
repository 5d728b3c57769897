#include "tests/support/win32files.h"

#include "platform/win32text.h"

#include <stdexcept>
#include <windows.h>

namespace {

PROCESS_INFORMATION StartCommandShell(DWORD flags) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring commandLine = L"cmd.exe /c exit 0";
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, flags | CREATE_NO_WINDOW, nullptr,
                        nullptr, &startup, &process))
        throw std::runtime_error("cannot start cmd.exe: " + Win32Reason(GetLastError()));
    CloseHandle(process.hThread);
    return process;
}

} // namespace

THeldOpen::THeldOpen(const std::string& path)
    : m_handle(CreateFileW(Win32Path(path).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr)) {
    if (m_handle == INVALID_HANDLE_VALUE)
        throw std::runtime_error("cannot hold " + path + " open: " + Win32Reason(GetLastError()));
}

THeldOpen::~THeldOpen() {
    CloseHandle(m_handle);
}

long EndedProcessId() {
    const PROCESS_INFORMATION process = StartCommandShell(0);
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hProcess);
    return static_cast<long>(process.dwProcessId);
}

TLivingProcess::TLivingProcess() {
    const PROCESS_INFORMATION process = StartCommandShell(CREATE_SUSPENDED);
    m_handle = process.hProcess;
    m_id = static_cast<long>(process.dwProcessId);
}

TLivingProcess::~TLivingProcess() {
    TerminateProcess(m_handle, 0);
    WaitForSingleObject(m_handle, INFINITE);
    CloseHandle(m_handle);
}
