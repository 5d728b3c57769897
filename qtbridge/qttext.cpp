#include "qtbridge/qttext.h"

#include "platform/codepage.h"

#include <QStringDecoder>
#include <array>

// Made once: every name of a large tree passes through here.
QString FromAnsi(std::string_view text) {
    static const std::array<char16_t, 256> unicode = [] {
        std::array<char16_t, 256> table{};
        for (std::size_t code = 0; code < table.size(); ++code)
            table[code] = static_cast<char16_t>(AnsiToUnicode(static_cast<char>(code)));
        return table;
    }();
    QString result(static_cast<qsizetype>(text.size()), Qt::Uninitialized);
    QChar* out = result.data();
    for (const char c : text)
        *out++ = QChar(unicode[static_cast<unsigned char>(c)]);
    return result;
}

std::string ToAnsi(const QString& text) {
    std::string result;
    result.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) {
        const auto ansi = Utf8ToAnsi(QString(c).toStdString());
        result += ansi && ansi->size() == 1 ? ansi->front() : '?';
    }
    return result;
}

QString MessageText(const char* message) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(QByteArrayView(message));
    return utf8.hasError() ? FromAnsi(message) : text;
}
