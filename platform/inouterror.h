#pragma once

#include <stdexcept>
#include <string>

// A failure to open or read a file. It carries the operating system's error
// code in the numbering the song library has always reported (2 file not
// found, 5 access denied, 32 sharing violation, ...), whatever the platform.
class TInOutError : public std::runtime_error {
public:
    explicit TInOutError(int errorCode);

    int ErrorCode() const { return m_errorCode; }

private:
    int m_errorCode;
};

std::string InOutErrorMessage(int errorCode);

// Maps a POSIX errno value to that numbering.
int ErrorCodeFromErrno(int errnoValue);

[[noreturn]] void ThrowInOutErrorFromErrno(int errnoValue);
