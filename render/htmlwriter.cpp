#include "render/htmlwriter.h"

#include "platform/codepage.h"
#include "render/paragraphwalk.h"

#include <cstdio>

namespace {

// Readers collapse runs of spaces, which would shift chords off their words:
// every space but the first of a run is a no-break space.
void AppendEscaped(std::string& out, std::string_view ansi) {
    char previous = ' ';
    for (char c : AnsiToUtf8(ansi)) {
        const char current = c;
        if (c == ' ' && previous == ' ') {
            out += "&nbsp;";
            previous = current;
            continue;
        }
        previous = current;
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\n':
            out += "<br>";
            break;
        default:
            out += c;
        }
    }
}

std::string SpanStyle(const TCharacterFormat& format) {
    std::string style = "font-family:'";
    AppendEscaped(style, format.FaceName);
    char size[32];
    std::snprintf(size, sizeof size, "';font-size:%.1fpt", PointsFromTwips(format.SizeTwips));
    style += size;
    if (format.Style & FontStyle::Bold)
        style += ";font-weight:bold";
    if (format.Style & FontStyle::Italic)
        style += ";font-style:italic";
    if (format.Style & (FontStyle::Underline | FontStyle::StrikeOut)) {
        style += ";text-decoration:";
        style += format.Style & FontStyle::Underline ? "underline" : "";
        style += (format.Style & FontStyle::Underline) && (format.Style & FontStyle::StrikeOut) ? " " : "";
        style += format.Style & FontStyle::StrikeOut ? "line-through" : "";
    }
    if (!format.AutomaticColor) {
        char color[16];
        std::snprintf(color, sizeof color, ";color:#%02x%02x%02x", RedOf(format.Rgb), GreenOf(format.Rgb),
                      BlueOf(format.Rgb));
        style += color;
    }
    return style;
}

std::string ParagraphStart(const TParagraphFormat& format) {
    char style[128];
    std::snprintf(style, sizeof style, "<p style=\"margin:0;white-space:pre;text-align:%s;text-indent:%.1fpt\">",
                  format.Alignment == TAlignment::Center ? "center" : "left",
                  PointsFromTwips(format.FirstLineIndentTwips));
    return style;
}

} // namespace

std::string HtmlText(const TRichDocument& document) {
    std::string out = "<html><head><meta charset=\"utf-8\"></head><body>\n";
    ForEachParagraph(document, [&out](const TParagraphRuns& paragraph) {
        out += ParagraphStart(*paragraph.Format);
        for (const TTextRun& run : paragraph.Runs) {
            out += "<span style=\"" + SpanStyle(*run.Format) + "\">";
            AppendEscaped(out, run.Text);
            out += "</span>";
        }
        out += "</p>\n";
    });
    out += "</body></html>\n";
    return out;
}
