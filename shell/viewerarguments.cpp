#include "shell/viewerarguments.h"

namespace {

constexpr const char* Help = R"(usage: vivira [--data DIR]

Vivira redir, a songbook viewer: shows the song files (*.txt, code page 852)
of a folder as a tree of artists and songs, each song in a window of its own,
to save as RTF, copy and print.

  --data DIR   read the songs of DIR, for this run only
  --help       show this help
  --version    show the version

Without --data it reads, of these, the first folder that exists:
  1. the folder last chosen with "Dalkönyvtár megnyitása..." in the "Fájl" menu
  2. Data beside the program (a portable copy, or the build tree)
  3. $XDG_DATA_HOME/Cantorix/Data (~/.local/share/Cantorix/Data by default)
  4. the sample library installed with the program (<prefix>/share/vivira/Data)
)";

// Qt's own options (-platform offscreen, -style Fusion ...) are Qt's to take.
bool IsQtOptionWithValue(const std::string& word) {
    for (const char* option :
         {"-platform", "-platformpluginpath", "-platformtheme", "-plugin", "-style", "-stylesheet", "-display",
          "-geometry", "-qwindowgeometry", "-qwindowtitle", "-qwindowicon", "-session"}) {
        if (word == option)
            return true;
    }
    return false;
}

} // namespace

TViewerArguments ParseViewerArguments(const std::vector<std::string>& arguments) {
    TViewerArguments parsed;
    for (std::size_t i = 0; i < arguments.size() && parsed.Error.empty(); ++i) {
        const std::string& word = arguments[i];
        if (word == "--help" || word == "-h")
            parsed.Help = true;
        else if (word == "--version")
            parsed.Version = true;
        else if (word == "--data" && i + 1 < arguments.size())
            parsed.DataDirectory = arguments[++i];
        else if (word == "--data")
            parsed.Error = "--data needs a folder";
        else if (IsQtOptionWithValue(word))
            ++i;
        else if (!word.starts_with("-") || word.starts_with("--"))
            parsed.Error = "unknown argument " + word;
    }
    return parsed;
}

std::optional<int> AnswerWithoutWindows(const TViewerArguments& arguments, std::ostream& out, std::ostream& err) {
    if (!arguments.Error.empty()) {
        err << "vivira: " << arguments.Error << "\n" << Help;
        return 2;
    }
    if (arguments.Help) {
        out << Help;
        return 0;
    }
    if (arguments.Version) {
        out << "Vivira redir " << VIVIRA_VERSION << '\n';
        return 0;
    }
    return std::nullopt;
}
