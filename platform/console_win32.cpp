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

TUtf8Console::TUtf8Console() : m_previousCodePage(GetConsoleOutputCP()) {
    SetConsoleOutputCP(CP_UTF8);
}

TUtf8Console::~TUtf8Console() {
    if (m_previousCodePage != 0) // 0: there was no console
        SetConsoleOutputCP(m_previousCodePage);
}
