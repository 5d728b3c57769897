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
    std::string operator/(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);
