#pragma once

#include <string>
#include <vector>

// A command-line program's arguments, in UTF-8, its own name left out. On
// Windows argv holds them in the ANSI code page, which cannot spell every
// name, so there they are read again in UTF-16.
std::vector<std::string> CommandLineArguments(int argc, char** argv);

// While it lives, a console that shows the program's output reads it as
// UTF-8, as terminals elsewhere do (on Windows it would take the OEM code
// page); the console gets its own code page back afterwards.
class TUtf8Console {
public:
    TUtf8Console();
    ~TUtf8Console();
    TUtf8Console(const TUtf8Console&) = delete;
    TUtf8Console& operator=(const TUtf8Console&) = delete;

private:
    unsigned m_previousCodePage = 0;
};
