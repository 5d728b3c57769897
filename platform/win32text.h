#pragma once

#include <string>
#include <string_view>

// Where the program's UTF-8 meets the UTF-16 of the wide Win32 functions.
// Windows only.

std::wstring WideFromUtf8(std::string_view utf8);
std::string Utf8FromWide(std::wstring_view wide);

// A file name for the wide file functions. A name too long for MAX_PATH is
// made absolute with the \\?\ prefix, which lifts the limit.
std::wstring Win32Path(std::string_view utf8);

// The system's words for an error code, in the user's language ("Access is
// denied."), or "Error N" when the system has none.
std::string Win32Reason(unsigned long error);

// Throws TInOutError with the code (Windows' own numbering is the one
// reported) and the system's words.
[[noreturn]] void ThrowInOutErrorFromWin32(unsigned long error);
