// Reading and writing the text format of a registry export.
#include "platform/ascii.h"
#include "settings/registrytree.h"
#include "settings/utf16.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr std::string_view Header = "Windows Registry Editor Version 5.00";
constexpr std::string_view Newline = "\r\n"; // as the registry editor writes, so that Windows imports it

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    c = AsciiLower(c);
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

// The registry editor saves its exports in UTF-16LE; we write UTF-8. Read both.
std::string FileTextAsUtf8(std::string_view fileText) {
    if (fileText.starts_with("\xFF\xFE"))
        return Utf8FromUtf16(fileText.substr(2), false);
    if (fileText.starts_with("\xEF\xBB\xBF"))
        fileText.remove_prefix(3);
    return std::string(fileText);
}

class TExportParser {
public:
    explicit TExportParser(std::string_view text) : m_text(text) {}

    TRegistryTree Parse() {
        TRegistryTree tree;
        std::string line;
        while (NextLine(line) && line.empty()) {
        }
        if (line != Header)
            Fail("not a registry export (the first line must be \"" + std::string(Header) + "\")");
        std::string key;
        bool deletedKey = false;
        while (NextLine(line)) {
            if (line.empty() || line.front() == ';')
                continue;
            if (line.front() == '[') {
                if (line.back() != ']' || line.size() < 3)
                    Fail("a key line must end in ]");
                deletedKey = line[1] == '-'; // "[-key]" removes a key on import: nothing to keep
                key = line.substr(deletedKey ? 2 : 1, line.size() - (deletedKey ? 3 : 2));
                if (!deletedKey)
                    tree.CreateKey(key);
                continue;
            }
            if (key.empty())
                Fail("a value before the first key");
            TValueLine value = ParseValue(line);
            if (!deletedKey && !value.Deleted)
                tree.SetValue(key, std::move(value.Value));
        }
        return tree;
    }

private:
    struct TValueLine {
        TRegistryValue Value;
        bool Deleted = false;
    };

    [[noreturn]] void Fail(const std::string& problem) const {
        throw TRegistryParseError(std::max<std::size_t>(m_lineNumber, 1), problem);
    }

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

    // A quoted string at line[i] with \\ and \" escapes; i moves past it.
    std::string Quoted(const std::string& line, std::size_t& i) const {
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

    TValueLine ParseValue(std::string line) {
        TValueLine parsed;
        std::size_t i = 0;
        if (line[0] == '@')
            i = 1;
        else if (line[0] == '"')
            parsed.Value.Name = Quoted(line, i);
        else
            Fail("a line that is neither a key nor a value");
        if (i >= line.size() || line[i] != '=')
            Fail("a value name must be followed by =");
        std::string data = line.substr(i + 1);
        if (data == "-")
            parsed.Deleted = true;
        else if (data.starts_with('"'))
            parsed.Value.Text = QuotedData(data);
        else
            ParseTypedData(data, parsed.Value);
        return parsed;
    }

    std::string QuotedData(const std::string& data) const {
        std::size_t i = 0;
        std::string text = Quoted(data, i);
        if (i != data.size())
            Fail("text after a string value");
        return text;
    }

    void ParseTypedData(std::string data, TRegistryValue& value) {
        value.IsQuotedText = false;
        if (data.starts_with("dword:")) {
            const std::string digits = data.substr(6);
            if (digits.empty() || digits.size() > 8)
                Fail("a dword needs one to eight hexadecimal digits");
            std::uint32_t number = 0;
            for (char c : digits) {
                if (HexDigit(c) < 0)
                    Fail("a dword needs one to eight hexadecimal digits");
                number = number << 4 | static_cast<std::uint32_t>(HexDigit(c));
            }
            value.Type = RegistryType::Dword;
            for (int shift = 0; shift < 32; shift += 8)
                value.Bytes += static_cast<char>(number >> shift & 0xFF);
            return;
        }
        value.Type = HexType(data);
        while (!data.empty() && data.back() == '\\') { // continued on the next line
            std::string next;
            if (!NextLine(next))
                Fail("a value continued past the end of the file");
            data.pop_back();
            data += next.substr(std::min(next.find_first_not_of(" \t"), next.size()));
        }
        value.Bytes = HexBytes(data);
    }

    // "hex:" is binary, "hex(N):" any type N; data keeps what follows the colon.
    std::uint32_t HexType(std::string& data) const {
        if (data.starts_with("hex:")) {
            data.erase(0, 4);
            return RegistryType::Binary;
        }
        const std::size_t close = data.find("):");
        if (!data.starts_with("hex(") || close == std::string::npos || close == 4 || close > 12)
            Fail("unknown value data \"" + data + "\"");
        std::uint32_t type = 0;
        for (std::size_t k = 4; k < close; ++k) {
            if (HexDigit(data[k]) < 0)
                Fail("unknown value type in \"" + data + "\"");
            type = type << 4 | static_cast<std::uint32_t>(HexDigit(data[k]));
        }
        data.erase(0, close + 2);
        return type;
    }

    std::string HexBytes(const std::string& data) const {
        std::string bytes;
        for (std::size_t i = 0; i < data.size();) {
            if (i + 1 >= data.size() || HexDigit(data[i]) < 0 || HexDigit(data[i + 1]) < 0)
                Fail("bytes must be pairs of hexadecimal digits");
            bytes += static_cast<char>(HexDigit(data[i]) << 4 | HexDigit(data[i + 1]));
            i += 2;
            if (i < data.size() && data[i++] != ',')
                Fail("bytes must be separated by commas");
        }
        return bytes;
    }

    std::string_view m_text;
    std::size_t m_position = 0;
    std::size_t m_lineNumber = 0;
};

void AppendQuoted(std::string& out, std::string_view text) {
    out += '"';
    for (char c : text) {
        if (c == '\\' || c == '"')
            out += '\\';
        out += c;
    }
    out += '"';
}

void AppendData(std::string& out, const TRegistryValue& value) {
    if (value.IsQuotedText)
        return AppendQuoted(out, value.Text);
    char digits[16];
    if (value.Type == RegistryType::Dword && value.Bytes.size() == 4) {
        std::uint32_t number = 0;
        for (int k = 3; k >= 0; --k)
            number = number << 8 | static_cast<unsigned char>(value.Bytes[static_cast<std::size_t>(k)]);
        std::snprintf(digits, sizeof digits, "%08x", number);
        out += "dword:";
        out += digits;
        return;
    }
    if (value.Type == RegistryType::Binary) {
        out += "hex:";
    } else {
        std::snprintf(digits, sizeof digits, "hex(%x):", value.Type);
        out += digits;
    }
    for (std::size_t k = 0; k < value.Bytes.size(); ++k) {
        std::snprintf(digits, sizeof digits, k == 0 ? "%02x" : ",%02x", static_cast<unsigned char>(value.Bytes[k]));
        if (k > 0 && k % 20 == 0)
            out += std::string(",\\") + std::string(Newline) + "  " + (digits + 1);
        else
            out += digits;
    }
}

} // namespace

TRegistryTree TRegistryTree::Parse(std::string_view fileText) {
    const std::string text = FileTextAsUtf8(fileText);
    return TExportParser(text).Parse();
}

std::string TRegistryTree::Serialize() const {
    std::string out(Header);
    out += Newline;
    for (const auto& [path, key] : m_keys) {
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
    }
    return out;
}
