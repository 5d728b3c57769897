#pragma once

#include <string>

// The readers the tests check against (pandoc, unrtf) are Debian programs,
// which a Windows build run under Wine cannot start: tests that need them
// skip there.
#ifdef _WIN32
#define SKIP_WITHOUT_DEBIAN_TOOLS() GTEST_SKIP() << "pandoc and unrtf are Debian programs, not run from Windows"
#else
#define SKIP_WITHOUT_DEBIAN_TOOLS() static_cast<void>(0)
#endif

// Runs a shell command line (cmd.exe's on Windows) and returns what it printed on standard output;
// fails the calling test (and returns "") when the command does not succeed.
std::string RunTool(const std::string& commandLine);

// A path quoted for the shell.
std::string ShellQuoted(const std::string& path);
