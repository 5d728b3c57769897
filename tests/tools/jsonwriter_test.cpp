#include "tests/support/songfixture.h"
#include "tools/songbook/jsonwriter.h"

#include <gtest/gtest.h>
#include <sstream>
#include <stdexcept>

namespace {

// A byte of code page 1250 inside a JSON string, as iconv and the JSON
// grammar spell it; the five bytes 1250 leaves undefined are the C1
// controls of the same number.
std::string JsonOf(unsigned char byte) {
    if (byte == '"' || byte == '\\')
        return std::string{'\\', static_cast<char>(byte)};
    if (byte < 0x20) {
        std::ostringstream escape;
        escape << "\\u00" << std::hex << static_cast<int>(byte >> 4) << static_cast<int>(byte & 0xF);
        return escape.str();
    }
    try {
        return Iconv(std::string(1, static_cast<char>(byte)), "CP1250", "UTF-8");
    } catch (const std::runtime_error&) {
        return {static_cast<char>(0xC2), static_cast<char>(byte)};
    }
}

std::string Written(std::string_view ansi) {
    std::ostringstream out;
    TJsonWriter(out).AnsiString(ansi);
    return out.str();
}

// Each byte's entry is copied whole (eight bytes), over what the bytes after
// it then write: every byte, at every place of a string of every short
// length, must come out as it would alone.
TEST(JsonWriter, EveryByteAtEveryPlaceIsWrittenAsItWouldBeAlone) {
    for (int byte = 1; byte < 256; ++byte) {
        const std::string json = JsonOf(static_cast<unsigned char>(byte));
        for (std::size_t length = 1; length <= 19; ++length) {
            for (std::size_t place = 0; place < length; ++place) {
                std::string text(length, 'a');
                text[place] = static_cast<char>(byte);
                std::string expected = text;
                expected.replace(place, 1, json);
                ASSERT_EQ('"' + expected + '"', Written(text))
                    << "byte " << byte << " at " << place << " of " << length;
            }
        }
    }
    EXPECT_EQ("\"\"", Written(""));
    EXPECT_EQ("\"\\u0000\"", Written(std::string(1, '\0')));
}

} // namespace
