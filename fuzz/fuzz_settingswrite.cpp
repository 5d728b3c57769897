// Any texts written as settings values read back as they were written (up
// to a NUL, where a registry string ends), through the real file store, and
// the file still reads without a skipped line at the next start.

#include "fuzz/fuzzinput.h"
#include "settings/filebackend.h"
#include "settings/settings.h"

#include <filesystem>
#include <sstream>

namespace {

const char* const Sections[] = {"", "Fonts", "Fonts\\Title", "Page"};
const char* const Names[] = {"Name", "Background", "Size"};

std::unique_ptr<TSettings> Open(const std::string& file, std::ostream& warnings) {
    return std::make_unique<TSettings>(std::make_unique<TRegistryFileBackend>(
        file, "HKEY_CURRENT_USER\\Software\\Cantorix", warnings, TRegistryFileBackend::TAccess::ReadWrite, "vivira"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string folder = ScratchPath("settings");
    std::filesystem::remove_all(folder);
    const std::string file = folder + "/settings.reg";
    const std::vector<std::string> texts = SplitInput(data, size, '\x1F', 4);
    std::ostringstream warnings;
    {
        const auto store = Open(file, warnings);
        for (std::size_t i = 0; i < texts.size(); ++i)
            store->WriteTextValue(Sections[i % 4], Names[i % 3], texts[i]);
    }
    const auto reopened = Open(file, warnings);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        bool writtenLater = false;
        for (std::size_t j = i + 1; j < texts.size(); ++j)
            writtenLater |= j % 4 == i % 4 && j % 3 == i % 3;
        if (!writtenLater)
            Require(reopened->ReadTextValue(Sections[i % 4], Names[i % 3], "?") ==
                    texts[i].substr(0, texts[i].find('\0')));
    }
    Require(warnings.str().empty());
    return 0;
}
