#include "platform/console.h"

std::vector<std::string> CommandLineArguments(int argc, char** argv) {
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

TUtf8Console::TUtf8Console() = default;

TUtf8Console::~TUtf8Console() = default;
