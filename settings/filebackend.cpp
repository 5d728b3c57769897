#include "settings/filebackend.h"

#include "platform/atomicfile.h"
#include "platform/codepage.h"
#include "platform/filebytes.h"
#include "platform/filelock.h"
#include "platform/inouterror.h"
#include "platform/unicode.h"
#include "settings/keypath.h"
#include "settings/registryexport.h"

#include <cerrno>
#include <ctime>
#include <ostream>
#include <sys/stat.h>
#include <system_error>

namespace {

constexpr int FileNotFound = 2;
// Far beyond any settings a person keeps; a bigger file is not ours to load.
constexpr std::size_t LargestSettingsFile = 16 << 20;

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

std::string ErrnoText(int error) {
    return std::generic_category().message(error);
}

} // namespace

TRegistryFileBackend::TRegistryFileBackend(std::filesystem::path file, std::string rootKey, std::ostream& warnings,
                                           TAccess access, std::string program)
    : m_file(std::move(file)), m_rootKey(std::move(rootKey)), m_warnings(warnings), m_program(std::move(program)),
      m_access(access) {
    if (m_file.empty()) {
        m_unreadable = "there is no home folder to keep the settings in";
        m_openProblem = "The settings cannot be kept: " + m_unreadable + ". The default settings are used.";
        return;
    }
    LoadAtStart();
}

void TRegistryFileBackend::LoadAtStart() {
    if (m_access == TAccess::ReadWrite) {
        std::error_code ignored;
        std::filesystem::create_directories(m_file.parent_path(), ignored);
    }
    const bool mayWrite = m_access == TAccess::ReadWrite;
    try {
        m_tree = Load(true);
        m_stamp = CurrentStamp();
        if (mayWrite && !m_tree.HasKey(m_rootKey)) {
            const TFileLock lock(LockFileOf(m_file), m_lockPatience);
            TRegistryTree tree = Load(false); // another copy may have made it meanwhile
            tree.CreateKey(m_rootKey);
            if (lock.Acquired())
                Store(tree, "");
        }
    } catch (const TInOutError& error) {
        m_unreadable = error.SystemReason();
        m_openProblem = "The settings file " + ValidUtf8(m_file.string()) + " cannot be read (" + m_unreadable +
                        "). The default settings are used, and changes cannot be saved.";
    } catch (const TRegistryParseError& error) {
        std::string kept = "it is left as it is";
        if (mayWrite) {
            const TFileLock lock(LockFileOf(m_file), m_lockPatience);
            std::string reason;
            if (const auto aside = lock.Acquired() ? SetAsideDamaged(reason) : std::nullopt)
                kept = "it is kept as " + ValidUtf8(aside->string());
            else if (!reason.empty())
                kept += " (" + reason + ")";
        }
        m_openProblem = "The settings file " + ValidUtf8(m_file.string()) + " is damaged (" + error.what() + "); " +
                        kept + ", and the default settings are used.";
    } catch (const TSettingsError&) {
        // The first root key could not be written: the first change will say why.
    }
    if (!m_openProblem.empty())
        m_warnings << m_program << ": " << m_openProblem << std::endl;
}

TRegistryFileBackend::TStamp TRegistryFileBackend::CurrentStamp() const {
    struct stat status {};
    if (stat(m_file.c_str(), &status) != 0)
        return {};
    return {static_cast<std::int64_t>(status.st_dev), static_cast<std::int64_t>(status.st_ino),
            static_cast<std::int64_t>(status.st_size),
            static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec};
}

TRegistryTree TRegistryFileBackend::Load(bool report) const {
    TFileBytes bytes;
    try {
        bytes = ReadFileBytes(m_file.string(), LargestSettingsFile);
    } catch (const TInOutError& error) {
        if (error.ErrorCode() == FileNotFound)
            return {};
        throw;
    }
    std::vector<TSkippedLine> skipped;
    TRegistryTree tree = ReadRegistryExport(bytes.View(), skipped);
    for (const TSkippedLine& line : report ? skipped : std::vector<TSkippedLine>{})
        m_warnings << m_program << ": " << ValidUtf8(m_file.string()) << ":" << line.Line << ": " << line.Problem
                   << (line.IsRead ? "" : "; the line is not read, and kept as a comment") << std::endl;
    return tree;
}

std::optional<std::filesystem::path> TRegistryFileBackend::SetAsideDamaged(std::string& reason) const {
    std::filesystem::path aside = m_file;
    aside += ".damaged-" + DateStamp();
    for (int number = 2; std::filesystem::exists(aside); ++number) {
        aside = m_file;
        aside += ".damaged-" + DateStamp() + "-" + std::to_string(number);
    }
    std::error_code error;
    std::filesystem::rename(m_file, aside, error);
    if (!error)
        return aside;
    reason = "cannot set the damaged file aside: " + error.message();
    return std::nullopt;
}

TSettingsError TRegistryFileBackend::WriteFailure(const std::string& message, const std::filesystem::path& file,
                                                  const std::string& reason) const {
    return TSettingsError(message + ": " + ValidUtf8(file.string()) + ": " + reason);
}

// Call with the lock held.
void TRegistryFileBackend::Store(const TRegistryTree& tree, const std::string& name) {
    TAtomicFile::RemoveStaleTemporaries(m_file.parent_path()); // from a copy that died while writing
    TAtomicFile file(m_file);
    if (!file.Open() || !file.Write(WriteRegistryExport(tree)) || !file.Commit())
        throw WriteFailure("Failed to set data for '" + name + "'", m_file, file.FailureReason());
    m_tree = tree;
    m_stamp = CurrentStamp();
}

std::optional<std::string> TRegistryFileBackend::ReadString(const std::string& section, const std::string& name) {
    if (m_unreadable.empty() && CurrentStamp() != m_stamp) {
        try { // whole files replace each other, so what is read is always a whole file
            m_tree = Load(true);
        } catch (const std::exception&) {
            // Unreadable now: the values read before stay in effect.
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
    const std::string createFailure = "Failed to create key " + section;
    if (m_access == TAccess::ReadOnly)
        throw WriteFailure(createFailure, m_file, "the settings are open for reading only");
    if (!m_unreadable.empty())
        throw WriteFailure(createFailure, m_file, m_unreadable);
    std::error_code ignored;
    std::filesystem::create_directories(m_file.parent_path(), ignored);
    const TFileLock lock(LockFileOf(m_file), m_lockPatience);
    if (!lock.Acquired()) {
        const int error = errno;
        throw WriteFailure(createFailure, LockFileOf(m_file),
                           error == EWOULDBLOCK ? "another running copy of the program keeps the settings locked"
                                                : ErrnoText(error));
    }
    TRegistryTree tree;
    try {
        tree = Load(false); // another running copy may have written since we read
    } catch (const TInOutError& error) {
        throw WriteFailure(createFailure, m_file, error.SystemReason());
    } catch (const TRegistryParseError&) { // damaged since we read it: kept, never overwritten
        if (std::string reason; !SetAsideDamaged(reason))
            throw WriteFailure(createFailure, m_file, reason);
    }
    const std::vector<std::string> chain = KeyChain(m_rootKey, section);
    for (const std::string& keyPath : chain)
        tree.CreateKey(keyPath);
    tree.SetValue(chain.back(), TRegistryValue::FromText(name, AnsiToUtf8(text)));
    Store(tree, name);
}
