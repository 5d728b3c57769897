#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// Replaces a file as a whole: the new contents go to a fresh file beside the
// target, which takes the target's name only once it is complete and on disk.
// A failure at any step, a crash or a full disk leaves the old file as it was.
// Every step returns false with errno set on failure; a file that is never
// committed is removed.
class TAtomicFile {
public:
    explicit TAtomicFile(std::filesystem::path target);
    ~TAtomicFile();
    TAtomicFile(const TAtomicFile&) = delete;
    TAtomicFile& operator=(const TAtomicFile&) = delete;

    // Fails as creating or truncating the target would: for a folder, a
    // read-only file, or a folder that does not exist or cannot be written.
    bool Open();
    bool Write(std::string_view bytes);
    bool Commit();

    // The name every temporary file for the target starts with, so that a
    // caller who knows no one else is writing can clear what a crash left.
    static std::string TemporaryNamePrefix(const std::filesystem::path& target);

private:
    void Discard();

    std::filesystem::path m_target;
    std::filesystem::path m_temporary;
    int m_descriptor = -1;
};
