#include "tools/songbook/printabletext.h"

#include "platform/ascii.h"
#include "platform/codepage.h"

std::string PrintableText(std::string_view ansiText) {
    std::string shown;
    std::size_t plain = 0;
    for (std::size_t i = 0; i < ansiText.size(); ++i) {
        const auto byte = static_cast<unsigned char>(ansiText[i]);
        if (byte >= 0x20 && byte != 0x7F)
            continue;
        shown += AnsiToUtf8(ansiText.substr(plain, i - plain));
        shown += {'\\', 'x', HexDigits[byte >> 4], HexDigits[byte & 0xF]};
        plain = i + 1;
    }
    return shown + AnsiToUtf8(ansiText.substr(plain));
}
