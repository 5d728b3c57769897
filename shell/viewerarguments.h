#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

// What the viewer's command line asks for. --help and --version are answered
// before any window (or display) is needed.
struct TViewerArguments {
    std::optional<std::string> DataDirectory; // --data DIR: this library, for this run
    bool Help = false;
    bool Version = false;
    std::string Error; // a usage error; empty when the line makes sense
};

TViewerArguments ParseViewerArguments(const std::vector<std::string>& arguments);

// Answers --help, --version or a usage error on out or err; returns the exit
// code, or nullopt when the program is to start.
std::optional<int> AnswerWithoutWindows(const TViewerArguments& arguments, std::ostream& out, std::ostream& err);
