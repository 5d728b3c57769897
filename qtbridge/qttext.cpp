#include "qtbridge/qttext.h"

#include "platform/codepage.h"

#include <QStringDecoder>

QString FromAnsi(std::string_view text) {
    QString result(static_cast<qsizetype>(text.size()), Qt::Uninitialized);
    QChar* out = result.data();
    for (char c : text)
        *out++ = QChar(static_cast<char16_t>(AnsiToUnicode(c)));
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
