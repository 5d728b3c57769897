#include "platform/console.h"
#include "tools/songbook/songbook.h"

#include <iostream>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const TUtf8Console console;
    const int status = RunSongbook(CommandLineArguments(argc, argv), std::cout, std::cerr);
    std::cout.flush(); // while the console still reads UTF-8
    return status;
}
