#include "tests/support/tempdirectory.h"

#include "platform/pathtext.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace {

// '\' on Windows, where the program joins names with it too.
constexpr char Separator = static_cast<char>(std::filesystem::path::preferred_separator);

} // namespace

TTempDirectory::TTempDirectory() {
    std::random_device random;
    std::error_code error;
    const std::filesystem::path base = std::filesystem::temp_directory_path(error);
    for (int attempt = 0; attempt < 100 && m_path.empty(); ++attempt) {
        const std::filesystem::path folder = base / ("vivira-test-" + std::to_string(random()));
        if (std::filesystem::create_directory(folder, error))
            m_path = Utf8FromPath(folder);
    }
    if (m_path.empty())
        throw std::runtime_error("cannot create a temporary folder");
}

TTempDirectory::~TTempDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(PathFromUtf8(m_path), ignored);
}

std::string TTempDirectory::operator/(const std::string& name) const {
    std::string path = m_path + Separator + name;
    std::replace(path.begin() + static_cast<std::ptrdiff_t>(m_path.size()), path.end(), '/', Separator);
    return path;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(PathFromUtf8(path), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

// Independent of the program's own file reading, which is under test elsewhere.
std::string ReadBytes(const std::string& path) {
    std::ifstream in(PathFromUtf8(path), std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
