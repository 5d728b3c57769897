#include "platform/codepage.h"
#include "tests/support/songfixture.h"

#include <gtest/gtest.h>
#include <iostream>
#include <stdexcept>

namespace {

std::string Byte(int value) {
    return std::string(1, static_cast<char>(value));
}

// Every byte that code page 852 shares with code page 1250 converts as iconv
// converts it; the others (box drawing, blocks) become printable ASCII.
TEST(CodePage, OemToAnsiAgreesWithIconvOnEverySharedByte) {
    int shared = 0;
    for (int oem = 0; oem < 256; ++oem) {
        const char converted = OemToAnsiChar(static_cast<char>(oem));
        std::string expected;
        try {
            expected = Iconv(Byte(oem), "CP852", "CP1250");
        } catch (const std::runtime_error&) {
            const auto ascii = static_cast<unsigned char>(converted);
            EXPECT_TRUE((ascii >= 0x21 && ascii < 0x7F) || ascii == 0x95) << "byte " << oem << " has no look-alike";
            continue;
        }
        ++shared;
        EXPECT_EQ(expected, std::string(1, converted)) << "byte " << oem;
    }
    EXPECT_GT(shared, 220);
}

TEST(CodePage, AnsiToUnicodeAgreesWithIconvOnEveryDefinedByte) {
    for (int ansi = 0; ansi < 256; ++ansi) {
        std::string utf32;
        try {
            utf32 = Iconv(Byte(ansi), "CP1250", "UTF-32LE");
        } catch (const std::runtime_error&) {
            EXPECT_EQ(char32_t(ansi), AnsiToUnicode(static_cast<char>(ansi))) << "undefined byte " << ansi;
            continue;
        }
        const auto* b = reinterpret_cast<const unsigned char*>(utf32.data());
        const char32_t expected = b[0] | b[1] << 8 | b[2] << 16 | static_cast<char32_t>(b[3]) << 24;
        EXPECT_EQ(expected, AnsiToUnicode(static_cast<char>(ansi))) << "byte " << ansi;
    }
}

TEST(CodePage, HungarianLettersSurviveBothSteps) {
    const std::string letters = "árvíztűrő tükörfúrógép ÁRVÍZTŰRŐ TÜKÖRFÚRÓGÉP";
    const std::string oem = Iconv(letters, "UTF-8", "CP852");
    std::string ansi = oem;
    OemToAnsiInPlace(ansi.data(), ansi.size());
    EXPECT_EQ(oem.size(), ansi.size());
    EXPECT_EQ(letters, AnsiToUtf8(ansi));
}

constexpr TOemConversion Conversions[] = {TOemConversion::Scalar, TOemConversion::Avx2, TOemConversion::Avx512Vbmi};

const char* NameOf(TOemConversion conversion) {
    switch (conversion) {
    case TOemConversion::Scalar:
        return "scalar";
    case TOemConversion::Avx2:
        return "AVX2";
    case TOemConversion::Avx512Vbmi:
        return "AVX-512 VBMI";
    }
    return "?";
}

// Every way of converting a buffer gives what the byte table gives (checked
// against iconv above) for every byte, wherever in a block the byte stands.
TEST(CodePage, EveryWholeBufferConversionAgreesWithTheTableAtEveryOffset) {
    std::string everyByte;
    for (int oem = 0; oem < 256; ++oem)
        everyByte += Byte(oem);
    std::string expected;
    for (char oem : everyByte)
        expected += OemToAnsiChar(oem);
    for (const TOemConversion conversion : Conversions) {
        if (!ProcessorHas(conversion)) {
            std::cout << NameOf(conversion) << ": not on this processor\n";
            continue;
        }
        for (std::size_t offset = 0; offset < 70; ++offset) {
            std::string converted = std::string(offset, 'a') + everyByte + everyByte;
            OemToAnsiInPlace(converted.data(), converted.size(), conversion);
            ASSERT_EQ(std::string(offset, 'a') + expected + expected, converted)
                << NameOf(conversion) << " offset " << offset;
        }
    }
}

// Blocks are skipped when they hold no byte above 0x7F: one accented byte
// at any place, in any length, must still be converted, and nothing past the end touched.
TEST(CodePage, InPlaceConversionMatchesBytewiseAtEveryOffset) {
    for (const TOemConversion conversion : Conversions) {
        if (!ProcessorHas(conversion))
            continue;
        for (std::size_t length = 0; length < 200; ++length) {
            for (std::size_t accent = 0; accent < length; ++accent) {
                std::string text(length + 1, 'a');
                text[accent] = static_cast<char>(0x8A); // Ő in code page 852
                text[length] = static_cast<char>(0x8A);
                std::string converted = text;
                OemToAnsiInPlace(converted.data(), length, conversion);
                for (std::size_t i = 0; i < length; ++i)
                    ASSERT_EQ(OemToAnsiChar(text[i]), converted[i])
                        << NameOf(conversion) << " length " << length << " offset " << i;
                ASSERT_EQ(text[length], converted[length]) << NameOf(conversion) << " wrote past the end";
            }
        }
    }
}

// Names typed by the user reach the model through this: the round trip with
// the display direction must hold for every byte, and anything else fails.
TEST(CodePage, Utf8ToAnsiInvertsAnsiToUtf8AndRejectsTheRest) {
    std::string everyByte;
    for (int byte = 1; byte < 256; ++byte)
        everyByte += Byte(byte);
    EXPECT_EQ(everyByte, Utf8ToAnsi(AnsiToUtf8(everyByte)));
    EXPECT_EQ(Iconv("Őszi ŰR", "UTF-8", "CP1250"), Utf8ToAnsi("Őszi ŰR"));
    for (const std::string& bad : {std::string("Ω"), std::string("\xC5"), std::string("\xC0\xAF"),
                                   std::string("\xED\xA0\x80"), std::string("\xF4\x90\x80\x80"), std::string("\x90")})
        EXPECT_EQ(std::nullopt, Utf8ToAnsi(bad)) << bad;
}

} // namespace
