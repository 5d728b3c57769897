#pragma once

#include <string>

// What the Windows tests need of the system: files held open as other
// programs hold them, and processes. Windows only.

// Holds a file open for writing and shares it with nobody, as an editor
// that has it open does; reading or replacing it then fails.
class THeldOpen {
public:
    explicit THeldOpen(const std::string& path);
    ~THeldOpen();
    THeldOpen(const THeldOpen&) = delete;
    THeldOpen& operator=(const THeldOpen&) = delete;

private:
    void* m_handle;
};

// A process that has started and ended: its number names no process.
long EndedProcessId();

// A process that lives, suspended, until the object goes.
class TLivingProcess {
public:
    TLivingProcess();
    ~TLivingProcess();
    TLivingProcess(const TLivingProcess&) = delete;
    TLivingProcess& operator=(const TLivingProcess&) = delete;
    long Id() const { return m_id; }

private:
    void* m_handle = nullptr;
    long m_id = 0;
};
