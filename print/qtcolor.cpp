#include "print/qtcolor.h"

#include <QGuiApplication>
#include <QPalette>

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
        const QPalette palette = QGuiApplication::palette();
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
