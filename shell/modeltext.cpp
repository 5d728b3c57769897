#include "shell/modeltext.h"

#include "platform/codepage.h"

#include <QApplication>
#include <QPalette>
#include <QStringDecoder>

QString FromAnsi(std::string_view text) {
    QString result;
    result.reserve(static_cast<qsizetype>(text.size()));
    for (char c : text)
        result += QChar(static_cast<char16_t>(AnsiToUnicode(c)));
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

QColor ToQColor(TColor color) {
    const TColor rgb = ResolveColor(color);
    return QColor(RedOf(rgb), GreenOf(rgb), BlueOf(rgb));
}

TColor FromQColor(const QColor& color) {
    return RgbColor(static_cast<std::uint8_t>(color.red()), static_cast<std::uint8_t>(color.green()),
                    static_cast<std::uint8_t>(color.blue()));
}

void UsePaletteForSystemColors() {
    SetSystemColorSource([](int index) -> std::optional<TColor> {
        const QPalette palette = QApplication::palette();
        switch (index) {
        case 5: // window background
            return FromQColor(palette.color(QPalette::Base));
        case 8: // window text
            return FromQColor(palette.color(QPalette::Text));
        case 15: // button face
            return FromQColor(palette.color(QPalette::Button));
        case 16: // button shadow
            return FromQColor(palette.color(QPalette::Dark));
        case 18: // button text
            return FromQColor(palette.color(QPalette::ButtonText));
        case 13: // highlight
            return FromQColor(palette.color(QPalette::Highlight));
        case 14: // highlighted text
            return FromQColor(palette.color(QPalette::HighlightedText));
        default:
            return std::nullopt;
        }
    });
}
