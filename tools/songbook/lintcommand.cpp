#include "tools/songbook/lintcommand.h"

#include "chords/chordlines.h"
#include "library/artist.h"
#include "library/parseobserver.h"
#include "library/songfile.h"
#include "platform/filebytes.h"
#include "platform/inouterror.h"
#include "tools/songbook/jsonwriter.h"
#include "tools/songbook/printabletext.h"

#include <algorithm>

namespace {

constexpr std::size_t LongestWordShown = 40;

// A command word as one readable line: control characters escaped, and a
// word that runs on (a file read as one line) cut short.
std::string Printable(std::string_view ansiWord) {
    const std::string shown = PrintableText(ansiWord.substr(0, LongestWordShown));
    return ansiWord.size() > LongestWordShown ? shown + "..." : shown;
}

// Line ends are CR LF or CR: a file with line feeds alone is one single line.
bool HasOnlyLineFeeds(std::string_view bytes) {
    bytes = bytes.substr(0, std::min(bytes.find('\x1A'), bytes.size()));
    return bytes.find('\n') != std::string_view::npos && bytes.find('\r') == std::string_view::npos;
}

class TLintReporter : public TParseObserver {
public:
    TLintReporter(const std::string& path, std::ostream& out) : m_path(PathForDisplay(path)), m_out(out) {}

    void LineIgnored(const TCommandLine& line, TIgnoredReason reason) override {
        m_out << m_path << ':' << line.LineNumber << ": " << IgnoredReasonText(reason);
        if (!line.Command.empty())
            m_out << ": ." << Printable(line.Command);
        m_out << '\n';
        ++Count;
    }

    void ParagraphRead(const TParagraph& paragraph, std::size_t firstLineNumber) override {
        for (std::size_t position : SwappingBlankLines(paragraph)) {
            m_out << m_path << ':' << firstLineNumber + position
                  << ": blank line in a verse with chords: the chord and text lines after it change places\n";
            ++Count;
        }
    }

    void CheckLineEnds(const std::string& path) {
        if (!HasOnlyLineFeeds(ReadFileBytes(path, LargestSongFile).View()))
            return;
        m_out << m_path << ":1: line ends are line feeds only: the whole file reads as one line "
              << "(save it with CR LF line ends)\n";
        ++Count;
    }

    std::size_t Count = 0;

private:
    std::string m_path;
    std::ostream& m_out;
};

} // namespace

TLintResult LintSongFiles(const std::vector<std::string>& paths, std::ostream& out, std::ostream& err) {
    TLintResult result;
    for (const std::string& path : paths) {
        TLintReporter reporter(path, out);
        try {
            reporter.CheckLineEnds(path);
            TArtist artist(path, &reporter);
        } catch (const TInOutError& error) {
            err << PathForDisplay(path) << ": " << error.what() << '\n';
            ++result.UnreadableFiles;
        } catch (const std::bad_alloc&) {
            err << PathForDisplay(path) << ": Not enough memory to load the file\n";
            ++result.UnreadableFiles;
        }
        result.IgnoredLines += reporter.Count;
    }
    return result;
}
