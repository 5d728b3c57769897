#pragma once

#include "setlist/setlist.h"

#include <string>
#include <vector>

// The user's set lists: one file each, "NAME.txt", in one folder, which is
// made when the first set list is written. Names are UTF-8; those that
// CheckSetListName refuses are never written. Failures throw TSetListError.
class TSetFolder {
public:
    explicit TSetFolder(std::string path);

    // <UserDataFolder()>/Cantorix/Sets; empty when the user has no data folder.
    static std::string UserSetFolder();

    const std::string& Path() const { return m_path; }
    // In byte order; none while the folder is missing.
    std::vector<std::string> Names() const;
    bool Has(const std::string& name) const;

    TSetList Read(const std::string& name) const;
    // The list's file replaced whole, or made.
    void Write(const TSetList& list) const;
    // An empty set list, under a name no other one has.
    void Create(const std::string& name) const;
    // Under a name no other set list has; only its letter case may change.
    void Rename(const std::string& from, const std::string& to) const;
    void Remove(const std::string& name) const;

private:
    std::string FileOf(const std::string& name) const;
    void RequireNewName(const std::string& name, const std::string& from = {}) const;

    std::string m_path;
};
