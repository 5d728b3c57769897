#include "render/rtfformats.h"

#include <utility>

namespace {

// \plain forgets every character property, and the run states all of its own.
void AppendWholeCharacterFormat(std::string& out, const TCharacterFormat& format, TRtfTables& tables) {
    AppendRtfNumber(out, "\\plain\\f", static_cast<std::int64_t>(tables.FontNumber(format.FaceName)));
    AppendRtfNumber(out, "\\fs", (format.SizeTwips + 5) / 10);
    if (format.Style & FontStyle::Bold)
        out += "\\b";
    if (format.Style & FontStyle::Italic)
        out += "\\i";
    if (format.Style & FontStyle::Underline)
        out += "\\ul";
    if (format.Style & FontStyle::StrikeOut)
        out += "\\strike";
    if (!format.AutomaticColor)
        AppendRtfNumber(out, "\\cf", static_cast<std::int64_t>(tables.ColorNumber(format.Rgb)));
    out += ' ';
}

constexpr std::array<std::pair<std::int32_t, std::pair<const char*, const char*>>, 4> StyleWords = {{
    {FontStyle::Bold, {"\\b", "\\b0"}},
    {FontStyle::Italic, {"\\i", "\\i0"}},
    {FontStyle::Underline, {"\\ul", "\\ulnone"}},
    {FontStyle::StrikeOut, {"\\strike", "\\strike0"}},
}};

// Only what differs from the run before: a chord line and a lyric line
// under it differ in a style or two, and restating every property took a
// tenth of a songbook's bytes. Styles that end come before a new font or
// size, and styles that begin after it, as unrtf nests them best so.
void AppendFormatChange(std::string& out, const TCharacterFormat& from, const TCharacterFormat& to,
                        TRtfTables& tables) {
    const std::int32_t changed = from.Style ^ to.Style;
    for (const auto& [style, words] : StyleWords) {
        if ((changed & style) && !(to.Style & style))
            out += words.second;
    }
    if (from.FaceName != to.FaceName)
        AppendRtfNumber(out, "\\f", static_cast<std::int64_t>(tables.FontNumber(to.FaceName)));
    if (from.SizeTwips != to.SizeTwips)
        AppendRtfNumber(out, "\\fs", (to.SizeTwips + 5) / 10);
    for (const auto& [style, words] : StyleWords) {
        if ((changed & style) && (to.Style & style))
            out += words.first;
    }
    if (from.AutomaticColor != to.AutomaticColor || (!to.AutomaticColor && from.Rgb != to.Rgb))
        AppendRtfNumber(out, "\\cf", to.AutomaticColor ? 0 : static_cast<std::int64_t>(tables.ColorNumber(to.Rgb)));
    out += ' ';
}

// The whole format is never shorter than "\\plain\\f0\\fs9 ".
constexpr std::size_t ShortestWholeFormat = 14;

// The shorter of the two ways, the whole format where they are as long;
// nothing where no property RTF states differs. The whole format is made
// only when the change is not clearly shorter (most runs change a style or
// two). The two scratch strings keep their room from run to run.
void AppendCharacterFormat(std::string& out, const TCharacterFormat* previous, const TCharacterFormat& format,
                           TRtfTables& tables, std::string& whole, std::string& change) {
    if (previous) {
        change.clear();
        AppendFormatChange(change, *previous, format, tables);
        if (change == " ")
            return;
        if (change.size() < ShortestWholeFormat)
            return void(out += change);
    }
    whole.clear();
    AppendWholeCharacterFormat(whole, format, tables);
    out += previous && change.size() < whole.size() ? change : whole;
}

} // namespace

TRtfCharacterFormats::TRtfCharacterFormats(TRtfTables& tables) : m_tables(tables) {
    m_kept.reserve(Kept);
    m_followedBy.fill(Other);
}

std::string_view TRtfCharacterFormats::ChangeTo(const TCharacterFormat& format) {
    // The lines of a verse are one run, and so one format where they are.
    if (&format == m_current)
        return {};
    const TId id = IdOf(format);
    // Kept formats differ from each other and from every other format.
    if (m_current && (id != Other || m_currentId != Other ? id == m_currentId : *m_current == format))
        return {};
    const TCharacterFormat* const previous = std::exchange(m_current, &format);
    const TId previousId = std::exchange(m_currentId, id);
    if (previous && previousId != Other && id != Other) {
        m_followedBy[previousId] = id;
        return Change(previousId, id, *previous, format);
    }
    m_scratch.clear();
    AppendCharacterFormat(m_scratch, previous, format, m_tables, m_whole, m_change);
    return m_scratch;
}

// The format that followed the current one last time is tried first, then the current one.
TRtfCharacterFormats::TId TRtfCharacterFormats::IdOf(const TCharacterFormat& format) {
    if (m_currentId != Other) {
        const TId likely = m_followedBy[m_currentId];
        if (likely != Other && m_kept[likely] == format)
            return likely;
        if (m_kept[m_currentId] == format)
            return m_currentId;
    }
    for (std::size_t id = 0; id < m_kept.size(); ++id) {
        if (m_kept[id] == format)
            return static_cast<TId>(id);
    }
    if (m_kept.size() == Kept)
        return Other;
    m_kept.push_back(format);
    return static_cast<TId>(m_kept.size() - 1);
}

std::string_view TRtfCharacterFormats::Change(TId from, TId to, const TCharacterFormat& fromFormat,
                                              const TCharacterFormat& toFormat) {
    TMade& made = m_changes[from * Kept + to];
    if (!made.Done) {
        made.Start = static_cast<std::uint32_t>(m_made.size());
        AppendCharacterFormat(m_made, &fromFormat, toFormat, m_tables, m_whole, m_change);
        made.Size = static_cast<std::uint32_t>(m_made.size() - made.Start);
        made.Done = true;
    }
    return std::string_view(m_made).substr(made.Start, made.Size);
}
