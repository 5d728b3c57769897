#include "render/plaintextwriter.h"

#include "platform/codepage.h"

std::string PlainText(const TRichDocument& document) {
    std::string text = AnsiToUtf8(document.Text());
    for (char& c : text) {
        if (c == '\r')
            c = '\n';
    }
    return text;
}
