#include "platform/codepage.h"

#include "platform/unicode.h"

#include <array>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#endif

namespace {

// Bytes 0x80..0xFF of code page 852 in code page 1250. The two agree below
// 0x80. The box-drawing and block characters that 1250 lacks become ASCII
// look-alikes (corners and junctions '+', lines '|', '-' and '=', blocks '#',
// the square a bullet), so no byte is ever dropped.
constexpr std::array<unsigned char, 128> OemHighToAnsi = {
    0xC7, 0xFC, 0xE9, 0xE2, 0xE4, 0xF9, 0xE6, 0xE7, 0xB3, 0xEB, 0xD5, 0xF5, 0xEE, 0x8F, 0xC4, 0xC6, 0xC9, 0xC5, 0xE5,
    0xF4, 0xF6, 0xBC, 0xBE, 0x8C, 0x9C, 0xD6, 0xDC, 0x8D, 0x9D, 0xA3, 0xD7, 0xE8, 0xE1, 0xED, 0xF3, 0xFA, 0xA5, 0xB9,
    0x8E, 0x9E, 0xCA, 0xEA, 0xAC, 0x9F, 0xC8, 0xBA, 0xAB, 0xBB, 0x23, 0x23, 0x23, 0x7C, 0x2B, 0xC1, 0xC2, 0xCC, 0xAA,
    0x2B, 0x7C, 0x2B, 0x2B, 0xAF, 0xBF, 0x2B, 0x2B, 0x2B, 0x2B, 0x2B, 0x2D, 0x2B, 0xC3, 0xE3, 0x2B, 0x2B, 0x2B, 0x2B,
    0x2B, 0x3D, 0x2B, 0xA4, 0xF0, 0xD0, 0xCF, 0xCB, 0xEF, 0xD2, 0xCD, 0xCE, 0xEC, 0x2B, 0x2B, 0x23, 0x5F, 0xDE, 0xD9,
    0x2D, 0xD3, 0xDF, 0xD4, 0xD1, 0xF1, 0xF2, 0x8A, 0x9A, 0xC0, 0xDA, 0xE0, 0xDB, 0xFD, 0xDD, 0xFE, 0xB4, 0xAD, 0xBD,
    0xB2, 0xA1, 0xA2, 0xA7, 0xF7, 0xB8, 0xB0, 0xA8, 0xFF, 0xFB, 0xD8, 0xF8, 0x95, 0xA0,
};

// Bytes 0x80..0xFF of code page 1250 in Unicode. The five bytes that 1250
// leaves undefined map to the C1 control of the same number, as Windows does.
constexpr std::array<char16_t, 128> AnsiHighToUnicode = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, 0x0088, 0x2030, 0x0160, 0x2039, 0x015A,
    0x0164, 0x017D, 0x0179, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0098, 0x2122,
    0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6,
    0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, 0x00B0, 0x00B1, 0x02DB, 0x0142,
    0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, 0x0154,
    0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, 0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD,
    0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA,
    0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, 0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4,
    0x0151, 0x00F6, 0x00F7, 0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

constexpr std::array<char, 256> MakeOemToAnsi() {
    std::array<char, 256> table{};
    for (int byte = 0; byte < 256; ++byte)
        table[byte] = static_cast<char>(byte < 0x80 ? byte : OemHighToAnsi[byte - 0x80]);
    return table;
}

constexpr std::array<char, 256> OemToAnsi = MakeOemToAnsi();

} // namespace

char OemToAnsiChar(char oem) {
    return OemToAnsi[static_cast<unsigned char>(oem)];
}

namespace {

void OemToAnsiScalar(char* data, std::size_t length) {
    for (std::size_t i = 0; i < length; ++i)
        data[i] = OemToAnsi[static_cast<unsigned char>(data[i])];
}

#if defined(__x86_64__) && defined(__GNUC__)
// Loading a library converts every byte of it, so where the processor can
// look up 64 bytes in the 128-entry table at once, it does.
__attribute__((target("avx512f,avx512bw,avx512vbmi"))) void OemToAnsiVbmi(char* data, std::size_t length) {
    const __m512i lowHalf = _mm512_loadu_si512(OemHighToAnsi.data());
    const __m512i highHalf = _mm512_loadu_si512(OemHighToAnsi.data() + 64);
    std::size_t i = 0;
    for (; i + 64 <= length; i += 64) {
        const __m512i bytes = _mm512_loadu_si512(data + i);
        const __mmask64 high = _mm512_movepi8_mask(bytes);
        if (high == 0)
            continue;
        const __m512i converted = _mm512_permutex2var_epi8(lowHalf, bytes, highHalf);
        _mm512_storeu_si512(data + i, _mm512_mask_blend_epi8(high, bytes, converted));
    }
    OemToAnsiScalar(data + i, length - i);
}

// Without AVX-512 a shuffle looks up only 16 entries: the table is taken as
// eight rows of 16, looked up by the byte's low four bits. Bit 4 picks
// between a row pair for free: a shuffle gives 0 where its index has the top
// bit set, so the even row is looked up with bit 4 there, the odd one with
// its inverse, and the two are or-ed. Bits 5 and 6 pick among the pairs with
// blends, which decide by each byte's top bit, to which a shift brings them.
// Blocks of 64 bytes, as in the AVX-512 way, are skipped when all ASCII.
__attribute__((target("avx2"))) void OemToAnsiAvx2(char* data, std::size_t length) {
    __m256i rows[8];
    for (std::size_t row = 0; row < 8; ++row)
        rows[row] = _mm256_broadcastsi128_si256(
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(OemHighToAnsi.data() + 16 * row)));
    const __m256i lowBits = _mm256_set1_epi8(0x0F);
    const __m256i topBit = _mm256_set1_epi8(static_cast<char>(0x80));
    const auto convert = [&](__m256i bytes) __attribute__((target("avx2"))) {
        const __m256i even =
            _mm256_or_si256(_mm256_and_si256(bytes, lowBits), _mm256_and_si256(_mm256_slli_epi16(bytes, 3), topBit));
        const __m256i odd = _mm256_xor_si256(even, topBit);
        const auto pair = [&](int row) __attribute__((target("avx2"))) {
            return _mm256_or_si256(_mm256_shuffle_epi8(rows[row], even), _mm256_shuffle_epi8(rows[row + 1], odd));
        };
        const __m256i bit5 = _mm256_slli_epi16(bytes, 2);
        const __m256i rows0to3 = _mm256_blendv_epi8(pair(0), pair(2), bit5);
        const __m256i rows4to7 = _mm256_blendv_epi8(pair(4), pair(6), bit5);
        const __m256i found = _mm256_blendv_epi8(rows0to3, rows4to7, _mm256_slli_epi16(bytes, 1));
        return _mm256_blendv_epi8(bytes, found, bytes);
    };
    std::size_t i = 0;
    for (; i + 64 <= length; i += 64) {
        auto* block = reinterpret_cast<__m256i*>(data + i);
        const __m256i first = _mm256_loadu_si256(block);
        const __m256i second = _mm256_loadu_si256(block + 1);
        if (_mm256_movemask_epi8(_mm256_or_si256(first, second)) == 0)
            continue;
        _mm256_storeu_si256(block, convert(first));
        _mm256_storeu_si256(block + 1, convert(second));
    }
    OemToAnsiScalar(data + i, length - i);
}
#endif

TOemConversion FastestOemConversion() {
    for (const TOemConversion conversion : {TOemConversion::Avx512Vbmi, TOemConversion::Avx2}) {
        if (ProcessorHas(conversion))
            return conversion;
    }
    return TOemConversion::Scalar;
}

} // namespace

bool ProcessorHas(TOemConversion conversion) {
#if defined(__x86_64__) && defined(__GNUC__)
    if (conversion == TOemConversion::Avx512Vbmi)
        return __builtin_cpu_supports("avx512vbmi") && __builtin_cpu_supports("avx512bw");
    if (conversion == TOemConversion::Avx2)
        return __builtin_cpu_supports("avx2");
#endif
    return conversion == TOemConversion::Scalar;
}

// Only a conversion the processor has may be asked for.
void OemToAnsiInPlace(char* data, std::size_t length, TOemConversion conversion) {
#if defined(__x86_64__) && defined(__GNUC__)
    if (conversion == TOemConversion::Avx512Vbmi)
        return OemToAnsiVbmi(data, length);
    if (conversion == TOemConversion::Avx2)
        return OemToAnsiAvx2(data, length);
#endif
    OemToAnsiScalar(data, length);
}

void OemToAnsiInPlace(char* data, std::size_t length) {
    static const TOemConversion fastest = FastestOemConversion();
    OemToAnsiInPlace(data, length, fastest);
}

char32_t AnsiToUnicode(char ansi) {
    const auto byte = static_cast<unsigned char>(ansi);
    return byte < 0x80 ? char32_t{byte} : char32_t{AnsiHighToUnicode[byte - 0x80]};
}

std::string AnsiToUtf8(std::string_view text) {
    std::string result;
    result.reserve(text.size() + text.size() / 8);
    for (char c : text)
        AppendUtf8(result, AnsiToUnicode(c));
    return result;
}

namespace {

std::optional<char> UnicodeToAnsi(char32_t point) {
    if (point < 0x80)
        return static_cast<char>(point);
    for (std::size_t k = 0; k < std::size(AnsiHighToUnicode); ++k) {
        if (AnsiHighToUnicode[k] == point)
            return static_cast<char>(0x80 + k);
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> Utf8ToAnsi(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto point = DecodeUtf8(text, i);
        const auto ansi = point ? UnicodeToAnsi(*point) : std::nullopt;
        if (!ansi)
            return std::nullopt;
        result += *ansi;
    }
    return result;
}
