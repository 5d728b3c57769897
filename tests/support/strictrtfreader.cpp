#include "tests/support/strictrtfreader.h"

#include "platform/codepage.h"

#include <cctype>
#include <cstdint>
#include <set>

namespace {

constexpr std::string_view Header = "{\\rtf1\\ansi\\ansicpg1250\\deff0\\uc1\r\n";

class TReader {
public:
    explicit TReader(std::string_view rtf) : m_rtf(rtf) {}

    TStrictRtf Read() {
        Expect(Header);
        Expect("{\\fonttbl");
        while (Peek() == '{')
            m_result.Fonts.push_back(Font());
        Expect("}\r\n{\\colortbl ;");
        while (Peek() == '\\')
            Color();
        Expect("}\r\n");
        Body();
        if (m_position != m_rtf.size())
            Fail("bytes after the document");
        return std::move(m_result);
    }

private:
    [[noreturn]] void Fail(const std::string& problem) const {
        throw TStrictRtfError(problem + " at byte " + std::to_string(m_position));
    }

    char Peek() const { return m_position < m_rtf.size() ? m_rtf[m_position] : '\0'; }

    void Expect(std::string_view text) {
        if (m_rtf.substr(m_position, text.size()) != text)
            Fail("expected \"" + std::string(text) + "\"");
        m_position += text.size();
    }

    // A control word with its number; the space that ends one is eaten.
    std::pair<std::string, std::string> Word() {
        Expect("\\");
        std::string word;
        while (std::islower(static_cast<unsigned char>(Peek())))
            word += m_rtf[m_position++];
        std::string number;
        if (Peek() == '-')
            number += m_rtf[m_position++];
        while (std::isdigit(static_cast<unsigned char>(Peek())))
            number += m_rtf[m_position++];
        if (word.empty())
            Fail("a control word expected");
        if (Peek() == ' ')
            ++m_position;
        return {word, number};
    }

    int Hex() {
        Expect("\\'");
        int value = 0;
        for (int k = 0; k < 2; ++k) {
            const char c = Peek();
            const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
            if (digit < 0)
                Fail("a lower-case hex digit expected");
            value = value * 16 + digit;
            ++m_position;
        }
        return value;
    }

    // One character of text: a plain byte, an escape, or \uN with its fallback
    // byte; in a font name \tab and \line would be words, not characters.
    char32_t Character(bool inFontName) {
        const char c = Peek();
        if (c == '{' || c == '}' || c == '\r' || c == '\n' || c == '\0')
            Fail("a raw brace or line end in text");
        if (c != '\\') {
            ++m_position;
            if (static_cast<unsigned char>(c) >= 0x80 || static_cast<unsigned char>(c) < 0x20)
                Fail("a raw byte the writer escapes");
            return static_cast<unsigned char>(c);
        }
        const char next = m_position + 1 < m_rtf.size() ? m_rtf[m_position + 1] : '\0';
        if (next == '\\' || next == '{' || next == '}') {
            m_position += 2;
            return static_cast<unsigned char>(next);
        }
        if (next == '\'') {
            const int byte = Hex();
            if (byte >= 0x80)
                Fail("a high byte without its \\u");
            return static_cast<char32_t>(byte);
        }
        const auto [word, number] = Word();
        if ((word == "tab" || word == "line") && inFontName)
            Fail("\\" + word + " in a font name");
        if (word == "tab")
            return U'\t';
        if (word == "line")
            return U'\n';
        if (word != "u" || number.empty())
            Fail("unexpected \\" + word + " in text");
        const char32_t unit = static_cast<char16_t>(std::stoi(number));
        if (AnsiToUnicode(static_cast<char>(Hex())) != unit)
            Fail("a \\u whose fallback byte is another character");
        return unit;
    }

    std::u32string Font() {
        Expect("{\\f" + std::to_string(m_result.Fonts.size()) + "\\fnil\\fcharset238\\fprq0 ");
        std::u32string name;
        while (Peek() != ';')
            name += Character(true);
        Expect(";}");
        return name;
    }

    void Color() {
        for (const char* part : {"red", "green", "blue"}) {
            const auto [word, number] = Word();
            if (word != part || number.empty() || std::stoi(number) > 255)
                Fail("a colour part expected");
        }
        Expect(";");
        ++m_colors;
    }

    void Formats() {
        static const std::set<std::string> Numbered = {"fi", "f", "fs", "cf"};
        static const std::set<std::string> Plain = {"pard", "qc", "ql", "plain", "b", "i", "ul", "strike", "ulnone"};
        static const std::set<std::string> Toggles = {"b", "i", "strike"}; // "0" turns them off
        while (Peek() == '\\' && m_position + 1 < m_rtf.size() &&
               std::islower(static_cast<unsigned char>(m_rtf[m_position + 1]))) {
            const std::size_t start = m_position;
            const auto [word, number] = Word();
            if (word == "tab" || word == "line" || word == "u" || word == "par") {
                m_position = start;
                return;
            }
            const bool turnedOff = Toggles.contains(word) && number == "0";
            if (!turnedOff &&
                (Numbered.contains(word) == number.empty() || (!Numbered.contains(word) && !Plain.contains(word))))
                Fail("unexpected \\" + word + number);
            if ((word == "f" && std::stoul(number) >= m_result.Fonts.size()) ||
                (word == "cf" && std::stoul(number) > m_colors))
                Fail("\\" + word + " names no table entry");
        }
    }

    void Body() {
        for (;;) {
            Formats();
            if (m_rtf.substr(m_position) == "}\r\n") {
                m_position = m_rtf.size();
                return;
            }
            if (m_rtf.substr(m_position, 6) == "\\par\r\n") {
                m_position += 6;
                m_result.Text += U'\r';
                continue;
            }
            m_result.Text += Character(false);
        }
    }

    std::string_view m_rtf;
    std::size_t m_position = 0;
    std::size_t m_colors = 0;
    TStrictRtf m_result;
};

} // namespace

TStrictRtf ReadStrictRtf(std::string_view rtf) {
    return TReader(rtf).Read();
}
