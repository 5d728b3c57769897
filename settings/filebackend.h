#pragma once

#include "settings/registrybackend.h"
#include "settings/registrytree.h"

#include <chrono>
#include <filesystem>
#include <iosfwd>

// The settings as a registry export file, written so that nothing is lost:
// every write takes a lock, re-reads the file (another running copy may have
// written since) and replaces it whole; a file that is not an export at all
// is kept aside under a dated name, and one that cannot be read is never
// written over.
class TRegistryFileBackend : public TRegistryBackend {
public:
    enum class TAccess {
        ReadWrite,
        ReadOnly, // never creates, renames or writes anything
    };

    // Reads the file; for ReadWrite, creates the folder and, on a first run,
    // a file holding the empty root key. Throws nothing when it cannot:
    // reads then give defaults, OpenProblem says why. Warnings start with
    // the name of the program that runs.
    TRegistryFileBackend(std::filesystem::path file, std::string rootKey, std::ostream& warnings, TAccess access,
                         std::string program);

    std::optional<std::string> ReadString(const std::string& section, const std::string& name) override;
    void WriteString(const std::string& section, const std::string& name, const std::string& text) override;
    std::string OpenProblem() const override { return m_openProblem; }

    // How long a write waits for another running copy to let go of the file.
    void SetLockPatience(std::chrono::milliseconds patience) { m_lockPatience = patience; }

private:
    struct TStamp {
        std::int64_t Device = -1, Inode = -1, Size = -1, ModifiedNanoseconds = -1;
        bool operator==(const TStamp&) const = default;
    };

    void LoadAtStart();
    TStamp CurrentStamp() const;
    // The file as it is now; a missing file is an empty tree. Throws
    // TInOutError when it cannot be read and TRegistryParseError when it is
    // not an export; with report, lines it passed over are told.
    TRegistryTree Load(bool report) const;
    // The name it was kept under, or nullopt with the reason it could not be renamed.
    std::optional<std::filesystem::path> SetAsideDamaged(std::string& reason) const;
    void Store(const TRegistryTree& tree, const std::string& name);
    // The message of a failed write: the registry's text, the file and the reason.
    TSettingsError WriteFailure(const std::string& message, const std::filesystem::path& file,
                                const std::string& reason) const;

    std::filesystem::path m_file;
    std::string m_rootKey;
    std::ostream& m_warnings;
    std::string m_program;
    TAccess m_access;
    std::chrono::milliseconds m_lockPatience{5000};
    TRegistryTree m_tree;
    TStamp m_stamp;
    std::string m_openProblem;
    std::string m_unreadable; // why the file cannot be read; it is then never written over
};
