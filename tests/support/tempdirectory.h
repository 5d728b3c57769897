#pragma once

#include <string>

// A fresh folder under the system's temporary folder, removed with its
// content when the test ends.
class TTempDirectory {
public:
    TTempDirectory();
    ~TTempDirectory();
    TTempDirectory(const TTempDirectory&) = delete;
    TTempDirectory& operator=(const TTempDirectory&) = delete;

    const std::string& Path() const { return m_path; }
    // The path of a name inside, "/" in it standing for the system's separator.
    std::string operator/(const std::string& name) const;

private:
    std::string m_path;
};

void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);
