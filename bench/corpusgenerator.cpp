#include "bench/corpusgenerator.h"

#include "platform/codepage.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <vector>

namespace {

constexpr std::array<const char*, 40> Words = {
    "tavaszi", "szél",        "vizet",   "áraszt",    "virágom",  "minden",     "madár", "társat",
    "választ", "hát",         "én",      "immár",     "szerelem", "válasszak",  "őszi",  "eső",
    "űrhajó",  "éjféli",      "vonat",   "álmodó",    "város",    "Ő",          "ÜRGE",  "csillagok",
    "szépen",  "ragyogjatok", "szegény", "legénynek", "utat",     "mutassatok", "erdő",  "kerek",
    "lakik",   "benne",       "kék",     "lába",      "zöld",     "szárnya",    "jaj",   "ÁLMOS",
};
constexpr std::array<const char*, 8> Chords = {"Am", "C", "G", "Dm", "E7", "F", "D", "Em"};

// UTF-8 text as stored in a song file: each character's code page 1250 byte,
// then the code page 852 byte that converts to it.
class TOemEncoder {
public:
    TOemEncoder() {
        for (int oem = 255; oem >= 0; --oem)
            m_ansiToOem[static_cast<unsigned char>(OemToAnsiChar(static_cast<char>(oem)))] = static_cast<char>(oem);
        for (int ansi = 0; ansi < 256; ++ansi)
            m_unicodeToAnsi.emplace_back(AnsiToUnicode(static_cast<char>(ansi)), static_cast<char>(ansi));
    }

    std::string Encode(const std::string& utf8) const {
        std::string out;
        for (std::size_t i = 0; i < utf8.size();) {
            const auto lead = static_cast<unsigned char>(utf8[i]);
            const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : 3;
            char32_t code = length == 1 ? lead : length == 2 ? lead & 0x1F : lead & 0x0F;
            for (std::size_t k = 1; k < length; ++k)
                code = code << 6 | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
            out += m_ansiToOem[static_cast<unsigned char>(AnsiFor(code))];
            i += length;
        }
        return out;
    }

private:
    char AnsiFor(char32_t code) const {
        for (const auto& [unicode, ansi] : m_unicodeToAnsi) {
            if (unicode == code)
                return ansi;
        }
        throw std::logic_error("character outside code page 1250");
    }

    std::array<char, 256> m_ansiToOem{};
    std::vector<std::pair<char32_t, char>> m_unicodeToAnsi;
};

class TSongWriter {
public:
    TSongWriter(std::uint32_t seed, const TOemEncoder& encoder)
        : m_random(seed), m_pageTitle(encoder.Encode("Gyűjtemény")), m_authors(encoder.Encode("népdal")) {
        for (const char* word : Words)
            m_words.push_back(encoder.Encode(word));
    }

    std::string Artist(std::size_t index, std::size_t songs) {
        std::string text =
            ".pagetitle " + m_pageTitle + "\r\n.artist " + Phrase(2) + " " + std::to_string(index) + "\r\n";
        for (std::size_t song = 0; song < songs; ++song)
            text += Song();
        return text;
    }

private:
    std::size_t Pick(std::size_t count) { return std::uniform_int_distribution<std::size_t>(0, count - 1)(m_random); }

    std::string Phrase(std::size_t words) {
        std::string phrase;
        for (std::size_t i = 0; i < words; ++i)
            phrase += (i ? " " : "") + m_words[Pick(m_words.size())];
        return phrase;
    }

    std::string ChordLine() {
        std::string line;
        for (std::size_t i = 0; i < 4; ++i)
            line += std::string(Pick(8) + 1, ' ') + Chords[Pick(Chords.size())];
        return line;
    }

    std::string Song() {
        std::string text = ".title " + Phrase(3) + "\r\n.authors " + m_authors + "\r\n.defverse\r\n";
        for (std::size_t i = 0; i < 4; ++i)
            text += ChordLine() + "\r\n" + Phrase(6) + ",\r\n";
        text += ".verse\r\n";
        for (std::size_t i = 0; i < 14; ++i)
            text += Phrase(5 + Pick(3)) + "\r\n";
        text += Pick(4) == 0 ? ".tab\r\ne|-0---2---3-|\r\nB|---1---0---|\r\nG|-----------|\r\n" : "";
        text += ".details\r\nCapo " + std::to_string(Pick(5)) + "\r\n";
        return text;
    }

    std::mt19937 m_random;
    std::string m_pageTitle;
    std::string m_authors;
    std::vector<std::string> m_words;
};

} // namespace

std::uint64_t GenerateCorpus(const std::string& directory, TCorpusSize size, std::uint32_t seed) {
    std::filesystem::create_directories(directory);
    const TOemEncoder encoder;
    TSongWriter writer(seed, encoder);
    std::uint64_t bytes = 0;
    for (std::size_t artist = 0; artist < size.Artists; ++artist) {
        const std::string text = writer.Artist(artist, size.SongsPerArtist);
        std::ofstream out(directory + "/artist" + std::to_string(artist) + ".txt", std::ios::binary);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        if (!out)
            throw std::runtime_error("cannot write the corpus in " + directory);
        bytes += text.size();
    }
    return bytes;
}
