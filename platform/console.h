#pragma once

#include <string>
#include <vector>

// A command-line program's arguments, in UTF-8, its own name left out. On
// Windows argv holds them in the ANSI code page, which cannot spell every
// name, so there they are read again in UTF-16.
std::vector<std::string> CommandLineArguments(int argc, char** argv);

// Makes a console that shows the program's output read it as UTF-8, as
// terminals elsewhere do (on Windows it would take the OEM code page).
void UseUtf8Console();
