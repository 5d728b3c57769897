#include "tests/support/songfixture.h"

std::string SongFileBytes(const std::vector<std::string>& utf8Lines) {
    std::string bytes;
    for (const std::string& line : utf8Lines)
        bytes += Iconv(line, "UTF-8", "CP852") + "\r\n";
    return bytes;
}

std::string Utf8FromAnsi(std::string_view ansi) {
    return Iconv(ansi, "CP1250", "UTF-8");
}
std::string AnsiFromUtf8(std::string_view utf8) {
    return Iconv(utf8, "UTF-8", "CP1250");
}
