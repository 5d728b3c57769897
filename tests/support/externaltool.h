#pragma once

#include <string>

// Runs a shell command line and returns what it printed on standard output;
// fails the calling test (and returns "") when the command does not succeed.
std::string RunTool(const std::string& commandLine);

// A path quoted for the shell.
std::string ShellQuoted(const std::string& path);
