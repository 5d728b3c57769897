#pragma once

#include "settings/registrybackend.h"
#include "settings/registrytree.h"

#include <filesystem>
#include <iosfwd>

// The settings as a registry export file, written so that nothing is lost:
// every write takes a lock, re-reads the file (another running copy may have
// written since) and replaces it whole; a file that cannot be parsed is kept
// aside under a dated name instead of being overwritten.
class TRegistryFileBackend : public TRegistryBackend {
public:
    // Creates the folder and, on a first run, a file holding the empty root
    // key. Reports nothing when it cannot: reads then give defaults.
    TRegistryFileBackend(std::filesystem::path file, std::string rootKey, std::ostream& warnings);

    std::optional<std::string> ReadString(const std::string& section, const std::string& name) override;
    void WriteString(const std::string& section, const std::string& name, const std::string& text) override;

private:
    struct TStamp {
        std::int64_t Device = -1, Inode = -1, Size = -1, ModifiedNanoseconds = -1;
        bool operator==(const TStamp&) const = default;
    };

    TStamp CurrentStamp() const;
    // The file as it is now; a missing file is an empty tree. Throws
    // TInOutError when it cannot be read.
    TRegistryTree LoadLocked();
    void SetAsideDamaged(const std::string& problem);
    void RemoveLeftoverTemporaries() const;
    void Store(const TRegistryTree& tree, const std::string& name);

    std::filesystem::path m_file;
    std::string m_rootKey;
    std::ostream& m_warnings;
    TRegistryTree m_tree;
    TStamp m_stamp;
};
