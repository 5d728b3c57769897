#include "platform/inouterror.h"

#include <cerrno>
#include <system_error>

namespace {

// The Windows system error codes that POSIX errors correspond to.
constexpr int FileNotFound = 2;
constexpr int PathNotFound = 3;
constexpr int TooManyOpenFiles = 4;
constexpr int AccessDenied = 5;
constexpr int InvalidHandle = 6;
constexpr int NotEnoughMemory = 8;
constexpr int SharingViolation = 32;
constexpr int InvalidParameter = 87;
constexpr int DiskFull = 112;
constexpr int FilenameTooLong = 206;
constexpr int DeviceIoError = 1117;

} // namespace

TInOutError::TInOutError(int errorCode, std::string systemReason)
    : TInOutError(errorCode, InOutErrorMessage(errorCode), std::move(systemReason)) {}

TInOutError::TInOutError(int errorCode, const std::string& message, std::string systemReason)
    : std::runtime_error(message), m_errorCode(errorCode),
      m_systemReason(systemReason.empty() ? message : std::move(systemReason)) {}

TInOutError TInOutError::Because(int errorCode, const std::string& reason) {
    return TInOutError(errorCode, reason, reason);
}

std::string InOutErrorMessage(int errorCode) {
    switch (errorCode) {
    case FileNotFound:
        return "File not found";
    case PathNotFound:
        return "Invalid filename";
    case TooManyOpenFiles:
        return "Too many open files";
    case AccessDenied:
        return "File access denied";
    default:
        return "I/O error " + std::to_string(errorCode);
    }
}

int ErrorCodeFromErrno(int errnoValue) {
    switch (errnoValue) {
    case ENOENT:
        return FileNotFound;
    case ENOTDIR:
    case ELOOP:
        return PathNotFound;
    case EMFILE:
    case ENFILE:
        return TooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
        return AccessDenied;
    case EBADF:
        return InvalidHandle;
    case ENOMEM:
        return NotEnoughMemory;
    case EBUSY:
    case ETXTBSY:
    case EWOULDBLOCK:
        return SharingViolation;
    case EINVAL:
        return InvalidParameter;
    case ENOSPC:
        return DiskFull;
    case ENAMETOOLONG:
        return FilenameTooLong;
    default:
        return DeviceIoError;
    }
}

void ThrowInOutErrorFromErrno(int errnoValue) {
    throw TInOutError(ErrorCodeFromErrno(errnoValue), std::generic_category().message(errnoValue));
}
