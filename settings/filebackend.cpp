#include "settings/filebackend.h"

#include "platform/atomicfile.h"
#include "platform/codepage.h"
#include "platform/filebytes.h"
#include "platform/filelock.h"
#include "platform/inouterror.h"

#include <ctime>
#include <ostream>
#include <sys/stat.h>

namespace {

constexpr int FileNotFound = 2;

std::filesystem::path LockFileOf(const std::filesystem::path& file) {
    return file.parent_path() / ("." + file.filename().string() + ".lock");
}

std::string DateStamp() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

// The key paths from the root down to the section: "root", "root\Fonts", "root\Fonts\Title".
std::vector<std::string> KeyChain(const std::string& rootKey, const std::string& section) {
    std::vector<std::string> chain{rootKey};
    for (std::size_t start = 0; start < section.size();) {
        const std::size_t end = std::min(section.find('\\', start), section.size());
        if (end > start)
            chain.push_back(chain.back() + "\\" + section.substr(start, end - start));
        start = end + 1;
    }
    return chain;
}

} // namespace

TRegistryFileBackend::TRegistryFileBackend(std::filesystem::path file, std::string rootKey, std::ostream& warnings)
    : m_file(std::move(file)), m_rootKey(std::move(rootKey)), m_warnings(warnings) {
    std::error_code ignored;
    std::filesystem::create_directories(m_file.parent_path(), ignored);
    const TFileLock lock(LockFileOf(m_file));
    try {
        m_tree = LoadLocked();
        m_stamp = CurrentStamp();
        if (lock.Acquired() && !m_tree.HasKey(m_rootKey)) {
            m_tree.CreateKey(m_rootKey);
            Store(m_tree, "");
        }
    } catch (const std::exception&) {
        // Unreadable or unwritable: the defaults now, and the error at the first write.
    }
}

TRegistryFileBackend::TStamp TRegistryFileBackend::CurrentStamp() const {
    struct stat status {};
    if (stat(m_file.c_str(), &status) != 0)
        return {};
    return {static_cast<std::int64_t>(status.st_dev), static_cast<std::int64_t>(status.st_ino),
            static_cast<std::int64_t>(status.st_size),
            static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec};
}

TRegistryTree TRegistryFileBackend::LoadLocked() {
    TFileBytes bytes;
    try {
        bytes = ReadFileBytes(m_file.string());
    } catch (const TInOutError& error) {
        if (error.ErrorCode() == FileNotFound)
            return {};
        throw;
    }
    try {
        return TRegistryTree::Parse(bytes.View());
    } catch (const TRegistryParseError& error) {
        SetAsideDamaged(error.what());
        return {};
    }
}

void TRegistryFileBackend::SetAsideDamaged(const std::string& problem) {
    std::filesystem::path aside = m_file;
    aside += ".damaged-" + DateStamp();
    for (int number = 2; std::filesystem::exists(aside); ++number) {
        aside = m_file;
        aside += ".damaged-" + DateStamp() + "-" + std::to_string(number);
    }
    std::error_code error;
    std::filesystem::rename(m_file, aside, error);
    m_warnings << "vivira: the settings file " << m_file.string() << " cannot be read (" << problem << "); "
               << (error ? "it is left as it is" : "it is kept as " + aside.string())
               << ", and the default settings are used." << std::endl;
    if (error) // never overwrite what could not be set aside
        throw TSettingsError("cannot set aside " + m_file.string());
}

void TRegistryFileBackend::RemoveLeftoverTemporaries() const {
    const std::string prefix = TAtomicFile::TemporaryNamePrefix(m_file);
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(m_file.parent_path(), error)) {
        if (entry.path().filename().string().starts_with(prefix))
            std::filesystem::remove(entry.path(), error);
    }
}

// Call with the lock held.
void TRegistryFileBackend::Store(const TRegistryTree& tree, const std::string& name) {
    RemoveLeftoverTemporaries(); // from a copy that died while writing
    TAtomicFile file(m_file);
    if (!file.Open() || !file.Write(tree.Serialize()) || !file.Commit())
        throw TSettingsError("Failed to set data for '" + name + "'");
    m_tree = tree;
    m_stamp = CurrentStamp();
}

std::optional<std::string> TRegistryFileBackend::ReadString(const std::string& section, const std::string& name) {
    if (CurrentStamp() != m_stamp) {
        const TFileLock lock(LockFileOf(m_file));
        try {
            m_tree = LoadLocked();
        } catch (const std::exception&) {
            m_tree = {};
        }
        m_stamp = CurrentStamp();
    }
    const TRegistryValue* value = m_tree.FindValue(KeyChain(m_rootKey, section).back(), name);
    if (!value)
        return std::nullopt;
    std::string text;
    if (!RegistryValueText(*value, text))
        throw TSettingsError("Invalid data type for '" + name + "'");
    // A text that code page 1250 cannot spell reads as missing.
    return Utf8ToAnsi(text);
}

void TRegistryFileBackend::WriteString(const std::string& section, const std::string& name, const std::string& text) {
    std::error_code ignored;
    std::filesystem::create_directories(m_file.parent_path(), ignored);
    const TFileLock lock(LockFileOf(m_file));
    if (!lock.Acquired())
        throw TSettingsError("Failed to create key " + section);
    TRegistryTree tree;
    try {
        tree = LoadLocked(); // another running copy may have written since we read
    } catch (const std::exception&) {
        throw TSettingsError("Failed to create key " + section);
    }
    const std::vector<std::string> chain = KeyChain(m_rootKey, section);
    for (const std::string& keyPath : chain)
        tree.CreateKey(keyPath);
    tree.SetValue(chain.back(), TRegistryValue::FromText(name, AnsiToUtf8(text)));
    Store(tree, name);
}
