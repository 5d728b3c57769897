#include "setlist/setfolder.h"

#include "platform/directorysearch.h"
#include "platform/inouterror.h"
#include "platform/pathtext.h"
#include "platform/userfolders.h"
#include "setlist/setlistfile.h"
#include "setlist/setlistname.h"

#include <filesystem>

namespace {

constexpr std::string_view Extension = ".txt";

std::filesystem::path PathOf(const std::string& utf8) {
    return PathFromUtf8(utf8);
}

} // namespace

TSetFolder::TSetFolder(std::string path) : m_path(std::move(path)) {}

std::string TSetFolder::UserSetFolder() {
    const std::string data = UserDataFolder();
    return data.empty() ? data : JoinPath(JoinPath(data, "Cantorix"), "Sets");
}

// A name the directory search matches in another letter case ("X.TXT") is
// not one this folder would write, and is left alone.
std::vector<std::string> TSetFolder::Names() const {
    std::vector<std::string> files;
    try {
        files = FindSongFiles(m_path);
    } catch (const TInOutError& error) {
        throw TSetListError(m_path + ": " + error.what());
    }
    std::vector<std::string> names;
    for (const std::string& file : files) {
        const std::string name = file.substr(0, file.size() - Extension.size());
        if (file.ends_with(Extension) && CheckSetListName(name) == TSetNameProblem::None)
            names.push_back(name);
    }
    return names;
}

bool TSetFolder::Has(const std::string& name) const {
    std::error_code error;
    return std::filesystem::exists(PathOf(FileOf(name)), error);
}

TSetList TSetFolder::Read(const std::string& name) const {
    return {name, ReadSetListFile(FileOf(name))};
}

void TSetFolder::Write(const TSetList& list) const {
    const std::string file = FileOf(list.Name);
    std::error_code error;
    std::filesystem::create_directories(PathOf(m_path), error);
    if (error)
        throw TSetListError("Cannot create folder " + m_path + ": " + error.message());
    WriteSetListFile(file, list.Entries);
}

void TSetFolder::Create(const std::string& name) const {
    RequireNewName(name);
    Write({name, {}});
}

void TSetFolder::Rename(const std::string& from, const std::string& to) const {
    RequireNewName(to, from);
    std::error_code error;
    std::filesystem::rename(PathOf(FileOf(from)), PathOf(FileOf(to)), error);
    if (error)
        throw TSetListError("Cannot rename " + FileOf(from) + ": " + error.message());
}

void TSetFolder::Remove(const std::string& name) const {
    std::error_code error;
    if (!std::filesystem::remove(PathOf(FileOf(name)), error) || error)
        throw TSetListError("Cannot remove " + FileOf(name) + ": " + (error ? error.message() : "File not found"));
}

// A name is checked before it becomes a path: "../x" must never reach the file system.
std::string TSetFolder::FileOf(const std::string& name) const {
    if (CheckSetListName(name) != TSetNameProblem::None)
        throw TSetListError("Not a set list name: " + name);
    if (m_path.empty())
        throw TSetListError("No folder for set lists: neither XDG_DATA_HOME nor HOME is set");
    return JoinPath(m_path, name + std::string(Extension));
}

// The same file under another letter case (Windows) is the set list being renamed, not another.
void TSetFolder::RequireNewName(const std::string& name, const std::string& from) const {
    if (!Has(name))
        return;
    std::error_code error;
    if (from.empty() || !std::filesystem::equivalent(PathOf(FileOf(name)), PathOf(FileOf(from)), error))
        throw TSetListError("A set list named " + name + " exists");
}
