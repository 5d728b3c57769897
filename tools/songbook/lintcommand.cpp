#include "tools/songbook/lintcommand.h"

#include "library/artist.h"
#include "library/parseobserver.h"
#include "platform/codepage.h"
#include "platform/inouterror.h"
#include "tools/songbook/jsonwriter.h"

namespace {

class TLintReporter : public TParseObserver {
public:
    TLintReporter(const std::string& path, std::ostream& out) : m_path(PathForDisplay(path)), m_out(out) {}

    void LineIgnored(const TCommandLine& line, TIgnoredReason reason) override {
        m_out << m_path << ':' << line.LineNumber << ": " << IgnoredReasonText(reason);
        if (!line.Command.empty())
            m_out << ": ." << AnsiToUtf8(line.Command);
        m_out << '\n';
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
            TArtist artist(path, &reporter);
        } catch (const TInOutError& error) {
            err << PathForDisplay(path) << ": " << error.what() << '\n';
            ++result.UnreadableFiles;
        }
        result.IgnoredLines += reporter.Count;
    }
    return result;
}
