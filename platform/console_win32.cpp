#include "platform/console.h"
#include "platform/win32text.h"

// shellapi.h needs windows.h before it.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

std::vector<std::string> CommandLineArguments(int, char**) {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; wide && i < count; ++i)
        arguments.push_back(Utf8FromWide(wide[i]));
    LocalFree(wide);
    return arguments;
}

void UseUtf8Console() {
    SetConsoleOutputCP(CP_UTF8);
}
