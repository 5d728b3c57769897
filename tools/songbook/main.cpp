#include "platform/console.h"
#include "tools/songbook/songbook.h"

#include <iostream>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    UseUtf8Console();
    return RunSongbook(CommandLineArguments(argc, argv), std::cout, std::cerr);
}
