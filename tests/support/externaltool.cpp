#include "tests/support/externaltool.h"

#include <cstdio>
#include <gtest/gtest.h>

std::string RunTool(const std::string& commandLine) {
    FILE* pipe = popen(commandLine.c_str(), "r");
    if (!pipe) {
        ADD_FAILURE() << "cannot run " << commandLine;
        return "";
    }
    std::string output;
    char buffer[4096];
    while (const std::size_t count = fread(buffer, 1, sizeof buffer, pipe))
        output.append(buffer, count);
    const int status = pclose(pipe);
    if (status != 0) { // a normal exit with code 0, on every system
        ADD_FAILURE() << commandLine << " failed with status " << status;
        return "";
    }
    return output;
}

std::string ShellQuoted(const std::string& path) {
    std::string quoted = "'";
    for (char c : path)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}
