#include "settings/registryexport.h"

#include "platform/ascii.h"
#include "platform/unicode.h"
#include "settings/integertext.h"

#include <algorithm>
#include <cstdio>
#include <optional>

namespace {

constexpr std::string_view Header = "Windows Registry Editor Version 5.00";
constexpr std::string_view OlderHeader = "REGEDIT4";
constexpr std::string_view Newline = "\r\n"; // as the registry editor writes, so that Windows imports it

// The registry editor saves its exports in UTF-16LE; we write UTF-8. Read both.
std::string FileTextAsUtf8(std::string_view fileText) {
    const std::string text = Utf8FromMarkedText(fileText);
    if (!IsValidUtf8(text) || text.find('\0') != std::string::npos)
        throw TRegistryParseError(1, "not a registry export (not text in UTF-8 or UTF-16)");
    return text;
}

// A line that cannot be read; the parser keeps it and goes on.
struct TLineProblem {
    std::string Problem;
};

[[noreturn]] void Fail(const std::string& problem) {
    throw TLineProblem{problem};
}

// A quoted string at line[i] with \\ and \" escapes; i moves past it.
std::string Quoted(std::string_view line, std::size_t& i) {
    std::string text;
    for (++i; i < line.size() && line[i] != '"'; ++i) {
        if (line[i] == '\\' && i + 1 < line.size())
            ++i;
        text += line[i];
    }
    if (i >= line.size())
        Fail("a string without its closing quote");
    ++i;
    return text;
}

std::uint32_t HexNumber(std::string_view digits, const std::string& problem) {
    const std::optional<std::uint32_t> number = ParseHexDigits(digits);
    if (!number)
        Fail(problem);
    return *number;
}

std::string HexBytes(std::string_view data) {
    std::string bytes;
    for (std::size_t i = 0; i < data.size();) {
        if (i + 1 >= data.size() || HexDigitValue(data[i]) < 0 || HexDigitValue(data[i + 1]) < 0)
            Fail("bytes must be pairs of hexadecimal digits");
        bytes += static_cast<char>(HexDigitValue(data[i]) << 4 | HexDigitValue(data[i + 1]));
        i += 2;
        if (i < data.size() && data[i++] != ',')
            Fail("bytes must be separated by commas");
    }
    return bytes;
}

// "hex:" is binary, "hex(N):" any type N; data keeps what follows the colon.
std::uint32_t HexType(std::string& data) {
    if (data.starts_with("hex:")) {
        data.erase(0, 4);
        return RegistryType::Binary;
    }
    const std::size_t close = data.find("):");
    if (!data.starts_with("hex(") || close == std::string::npos)
        Fail("unknown value data \"" + data + "\"");
    const std::uint32_t type = HexNumber(std::string_view(data).substr(4, close - 4), "unknown value type");
    data.erase(0, close + 2);
    return type;
}

class TExportParser {
public:
    TExportParser(std::string_view text, std::vector<TSkippedLine>& skipped) : m_text(text), m_skipped(skipped) {}

    TRegistryTree Parse() {
        TRegistryTree tree;
        std::string line;
        while (NextLine(line) && IsBlank(line)) {
        }
        if (IsBlank(line))
            return tree; // an empty file holds no values, and no damage
        if (line == OlderHeader)
            m_skipped.push_back({m_lineNumber, "an older export (REGEDIT4): read as version 5.00", true});
        else if (line != Header)
            throw TRegistryParseError(m_lineNumber,
                                      "not a registry export (the first line must be \"" + std::string(Header) + "\")");
        while (NextLine(line))
            ParseLine(tree, line);
        return tree;
    }

private:
    bool NextLine(std::string& line) {
        if (m_position >= m_text.size())
            return false;
        const std::size_t end = std::min(m_text.find('\n', m_position), m_text.size());
        line.assign(m_text.substr(m_position, end - m_position));
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        m_position = end + 1;
        ++m_lineNumber;
        return true;
    }

    void ParseLine(TRegistryTree& tree, const std::string& line) {
        if (IsBlank(line))
            return;
        if (line.front() == ';')
            return tree.AddComment(m_commentKey, line);
        if (line.front() == '[')
            return ParseKey(tree, line);
        const std::size_t first = m_lineNumber;
        std::vector<std::string> lines{line};
        try {
            if (m_keyState == TKeyState::None)
                Fail("a value before the first key");
            if (m_keyState == TKeyState::Unreadable)
                Fail("a value of a key line that could not be read");
            std::optional<TRegistryValue> value = ParseValue(line, lines);
            if (value && m_keyState == TKeyState::Live)
                tree.SetValue(m_key, std::move(*value));
        } catch (const TLineProblem& problem) {
            Skip(tree, first, problem.Problem, lines);
        }
    }

    void ParseKey(TRegistryTree& tree, const std::string& line) {
        if (line.back() != ']' || line.size() < 3 || line == "[-]") {
            m_keyState = TKeyState::Unreadable;
            return Skip(tree, m_lineNumber, "a key line must be [name]", {line});
        }
        const bool deleted = line[1] == '-'; // "[-key]" removes a key on import: nothing to keep
        m_key = line.substr(deleted ? 2 : 1, line.size() - (deleted ? 3 : 2));
        m_keyState = deleted ? TKeyState::Deleted : TKeyState::Live;
        if (!deleted) {
            tree.CreateKey(m_key);
            m_commentKey = m_key;
        }
    }

    // The lines stay in the file as comments, and the reader is told where.
    void Skip(TRegistryTree& tree, std::size_t line, const std::string& problem,
              const std::vector<std::string>& lines) {
        m_skipped.push_back({line, problem});
        for (const std::string& text : lines)
            tree.AddComment(m_commentKey, ";" + text);
    }

    // nullopt for "name"=-, which removes the value on import: nothing to keep.
    std::optional<TRegistryValue> ParseValue(const std::string& line, std::vector<std::string>& lines) {
        TRegistryValue value;
        std::size_t i = 0;
        if (line[0] == '@')
            i = 1;
        else if (line[0] == '"')
            value.Name = Quoted(line, i);
        else
            Fail("a line that is neither a key nor a value");
        if (i >= line.size() || line[i] != '=')
            Fail("a value name must be followed by = with no space");
        std::string data = line.substr(i + 1);
        if (data == "-")
            return std::nullopt;
        if (data.starts_with('"'))
            value.Text = QuotedData(data);
        else
            ParseTypedData(data, value, lines);
        return value;
    }

    static std::string QuotedData(const std::string& data) {
        std::size_t i = 0;
        std::string text = Quoted(data, i);
        if (i != data.size())
            Fail("text after a string value");
        return text;
    }

    void ParseTypedData(std::string data, TRegistryValue& value, std::vector<std::string>& lines) {
        value.IsQuotedText = false;
        if (data.starts_with("dword:")) {
            const std::uint32_t number =
                HexNumber(std::string_view(data).substr(6), "a dword needs one to eight hexadecimal digits");
            value.Type = RegistryType::Dword;
            for (int shift = 0; shift < 32; shift += 8)
                value.Bytes += static_cast<char>(number >> shift & 0xFF);
            return;
        }
        value.Type = HexType(data);
        while (!data.empty() && data.back() == '\\') { // continued on the next, indented line
            const std::size_t position = m_position;
            const std::size_t lineNumber = m_lineNumber;
            std::string next;
            if (!NextLine(next) || IsBlank(next) || (next.front() != ' ' && next.front() != '\t')) {
                m_position = position; // not a continuation: read it as a line of its own
                m_lineNumber = lineNumber;
                Fail("a value continued past its end");
            }
            lines.push_back(next);
            data.pop_back();
            data += next.substr(next.find_first_not_of(" \t"));
        }
        value.Bytes = HexBytes(data);
    }

    enum class TKeyState { None, Live, Deleted, Unreadable };

    std::string_view m_text;
    std::vector<TSkippedLine>& m_skipped;
    std::size_t m_position = 0;
    std::size_t m_lineNumber = 0;
    TKeyState m_keyState = TKeyState::None;
    std::string m_key;
    std::string m_commentKey; // where comments and skipped lines go: the last key that could be read
};

} // namespace

namespace {

void AppendQuoted(std::string& out, std::string_view text) {
    out += '"';
    for (char c : text) {
        if (c == '\\' || c == '"')
            out += '\\';
        out += c;
    }
    out += '"';
}

// A line break or NUL inside quotes would end the line or the text early.
bool QuotesCanCarry(std::string_view text) {
    return std::none_of(text.begin(), text.end(), [](char c) { return c >= 0 && c < ' ' && c != '\t'; });
}

void AppendHex(std::string& out, std::uint32_t type, std::string_view bytes) {
    char digits[16];
    if (type == RegistryType::Binary) {
        out += "hex:";
    } else {
        std::snprintf(digits, sizeof digits, "hex(%x):", type);
        out += digits;
    }
    for (std::size_t k = 0; k < bytes.size(); ++k) {
        std::snprintf(digits, sizeof digits, k == 0 ? "%02x" : ",%02x", static_cast<unsigned char>(bytes[k]));
        if (k > 0 && k % 20 == 0)
            out += std::string(",\\") + std::string(Newline) + "  " + (digits + 1);
        else
            out += digits;
    }
}

void AppendData(std::string& out, const TRegistryValue& value) {
    if (value.IsQuotedText && QuotesCanCarry(value.Text))
        return AppendQuoted(out, value.Text);
    if (value.IsQuotedText) // the registry's own form of such a string: UTF-16LE with its NUL
        return AppendHex(out, value.Type, Utf16FromUtf8(value.Text) + std::string(2, '\0'));
    if (value.Type == RegistryType::Dword && value.Bytes.size() == 4) {
        std::uint32_t number = 0;
        for (int k = 3; k >= 0; --k)
            number = number << 8 | static_cast<unsigned char>(value.Bytes[static_cast<std::size_t>(k)]);
        char digits[16];
        std::snprintf(digits, sizeof digits, "%08x", number);
        out += "dword:";
        out += digits;
        return;
    }
    AppendHex(out, value.Type, value.Bytes);
}

void AppendLines(std::string& out, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        out += line;
        out += Newline;
    }
}

} // namespace

TRegistryParseError::TRegistryParseError(std::size_t line, const std::string& problem)
    : std::runtime_error("line " + std::to_string(line) + ": " + problem) {}

TRegistryTree ReadRegistryExport(std::string_view fileText, std::vector<TSkippedLine>& skipped) {
    const std::string text = FileTextAsUtf8(fileText);
    return TExportParser(text, skipped).Parse();
}

std::string WriteRegistryExport(const TRegistryTree& tree) {
    std::string out(Header);
    out += Newline;
    AppendLines(out, tree.LeadingComments());
    for (const auto& [path, key] : tree.Keys()) {
        out += Newline;
        out += '[' + key.Path + ']';
        out += Newline;
        for (const TRegistryValue& value : key.Values) {
            if (value.Name.empty())
                out += '@';
            else
                AppendQuoted(out, value.Name);
            out += '=';
            AppendData(out, value);
            out += Newline;
        }
        AppendLines(out, key.Comments);
    }
    return out;
}
