// Any bytes as a settings file: either not an export at all, or read, written
// and read again to the same tree with nothing skipped the second time, so
// that what the program writes always reads back at the next start.

#include "fuzz/fuzzinput.h"
#include "settings/registryexport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<TSkippedLine> skipped;
    TRegistryTree tree;
    try {
        tree = ReadRegistryExport(std::string_view(reinterpret_cast<const char*>(data), size), skipped);
    } catch (const TRegistryParseError&) {
        return 0; // kept aside as damaged: fine
    }
    const std::string written = WriteRegistryExport(tree);
    std::vector<TSkippedLine> skippedAgain;
    const TRegistryTree again = ReadRegistryExport(written, skippedAgain); // must not throw
    Require(skippedAgain.empty());
    Require(WriteRegistryExport(again) == written);
    return 0;
}
