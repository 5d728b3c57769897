#pragma once

#include <stdexcept>
#include <string>

// A failure to open or read a file. It carries the operating system's error
// code in the numbering the song library has always reported (2 file not
// found, 5 access denied, 32 sharing violation, ...), whatever the platform.
class TInOutError : public std::runtime_error {
public:
    explicit TInOutError(int errorCode, std::string systemReason = {});
    // A failure that no system code names ("Not a regular file"): the reason is the message.
    static TInOutError Because(int errorCode, const std::string& reason);

    int ErrorCode() const { return m_errorCode; }
    // The system's own words for it ("Permission denied"), or the message.
    const std::string& SystemReason() const { return m_systemReason; }

private:
    TInOutError(int errorCode, const std::string& message, std::string systemReason);

    int m_errorCode;
    std::string m_systemReason;
};

std::string InOutErrorMessage(int errorCode);

// Maps a POSIX errno value to that numbering.
int ErrorCodeFromErrno(int errnoValue);

[[noreturn]] void ThrowInOutErrorFromErrno(int errnoValue);
