#include "tools/songbook/settingscommand.h"

#include "platform/codepage.h"
#include "settings/integertext.h"

namespace {

// Pads UTF-8 text to a column width in characters, not bytes.
std::string Padded(const std::string& text, std::size_t width) {
    std::size_t characters = 0;
    for (char c : text)
        characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return text + std::string(width > characters ? width - characters : 0, ' ');
}

class TSettingsPrinter {
public:
    TSettingsPrinter(TSettings& settings, std::ostream& out) : m_settings(settings), m_out(out) {}

    void Integer(const std::string& section, const std::string& name, std::int64_t effective) {
        const auto stored = Stored(section, name);
        std::string status = "default";
        if (stored) {
            const auto parsed = ParseIntegerText(*stored);
            status = "stored \"" + AnsiToUtf8(*stored) + "\"";
            if (!parsed)
                status += ", not a number: the default is used";
            else if (*parsed != effective)
                status += ", not in effect as such";
        }
        Line(section, name, std::to_string(effective), status);
    }

    void Text(const std::string& section, const std::string& name, const std::string& effective) {
        const auto stored = Stored(section, name);
        std::string status = stored ? "stored \"" + AnsiToUtf8(*stored) + "\"" : "default";
        if (stored && stored->empty())
            status += ", empty: the typeface is kept";
        Line(section, name, "\"" + AnsiToUtf8(effective) + "\"", status);
    }

    // Written when the viewer closes, never read.
    void Geometry(const std::string& section, const std::string& name) {
        const auto stored = Stored(section, name);
        Line(section, name, "-", stored ? "stored \"" + AnsiToUtf8(*stored) + "\", never read" : "never read");
    }

private:
    // A value of another type is shown as such, with the registry's error.
    std::optional<std::string> Stored(const std::string& section, const std::string& name) {
        try {
            return m_settings.StoredText(section, name);
        } catch (const TSettingsError& error) {
            return "(" + std::string(error.what()) + ")";
        }
    }

    void Line(const std::string& section, const std::string& name, const std::string& value,
              const std::string& status) {
        const std::string path = section.empty() ? name : section + "\\" + name;
        m_out << Padded(path, 26) << ' ' << Padded(value, 20) << ' ' << status << '\n';
    }

    TSettings& m_settings;
    std::ostream& m_out;
};

void PrintFonts(TSettingsPrinter& printer, int pixelsPerInch) {
    printer.Integer("Fonts", "Size", SizeStep);
    for (TStyleSlot slot = 0; slot < StyleSlot::Count; ++slot) {
        const TFont& font = StyleFonts[static_cast<std::size_t>(slot)];
        std::string section;
        StyleSlotName(slot, section);
        section = "Fonts\\" + section;
        printer.Integer(section, "Charset", font.Charset);
        printer.Integer(section, "Color", static_cast<std::int32_t>(font.Color));
        printer.Integer(section, "Height", font.Height);
        printer.Text(section, "Name", font.Name);
        printer.Integer(section, "Pitch", font.Pitch);
        printer.Integer(section, "Size", font.Size(pixelsPerInch));
        printer.Integer(section, "Style", font.Style);
    }
}

} // namespace

void PrintSettings(TPreferences& preferences, const std::string& settingsFile, std::ostream& out) {
    out << "settings file: " << (settingsFile.empty() ? "(none: no home folder)" : settingsFile) << '\n';
    TSettingsPrinter printer(*preferences.Settings, out);
    printer.Integer("", "Background", static_cast<std::int32_t>(preferences.BackgroundColor));
    PrintFonts(printer, StandardPixelsPerInch);
    const TPageMargins& margins = preferences.PageMargins;
    printer.Integer("Page", "MarginTop", margins.Top);
    printer.Integer("Page", "MarginBottom", margins.Bottom);
    printer.Integer("Page", "MarginLeft", margins.Left);
    printer.Integer("Page", "MarginRight", margins.Right);
    for (const char* window : {"Positions\\Main", "Positions\\List"}) {
        for (const char* name : {"Top", "Left", "Width", "Height"})
            printer.Geometry(window, name);
    }
}
