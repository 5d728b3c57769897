#include "tools/songbook/songbook.h"

#include "chords/transposition.h"
#include "library/loader.h"
#include "platform/directorysearch.h"
#include "platform/executable.h"
#include "platform/pathtext.h"
#include "setlist/eachsongshift.h"
#include "settings/preferences.h"
#include "settings/songshifts.h"
#include "tools/songbook/arguments.h"
#include "tools/songbook/dumpcommand.h"
#include "tools/songbook/exportcommand.h"
#include "tools/songbook/findcommand.h"
#include "tools/songbook/jsonwriter.h"
#include "tools/songbook/lintcommand.h"
#include "tools/songbook/pdfexport.h"
#include "tools/songbook/settingscommand.h"

#include <filesystem>

namespace {

constexpr int Success = 0;
constexpr int Findings = 1; // or a command that failed

constexpr int UsageFailure = 2;

constexpr const char* GeneralHelp = R"(usage: songbook COMMAND [options]

The command-line companion of the Vivira redir songbook viewer.

commands:
  dump      print the loaded song library as JSON
  export    write songs or whole songbooks as Rich Text (RTF)
  find      list the songs that hold some words, in title or lyrics
  lint      list the lines of song files that the program ignores
  settings  show the viewer's settings: each value in effect and what is stored
  transpose print a song as text with its chords moved to another key

Without --data DIR the commands read the first of these folders that exists:
Data beside this program, $XDG_DATA_HOME/Cantorix/Data (~/.local/share/...),
the sample library installed with the program (<prefix>/share/vivira/Data).
The folder chosen in the viewer is not read: give it with --data.

Run "songbook COMMAND --help" for the options of a command, "songbook --version"
for the version.
)";

constexpr const char* DumpHelp = R"(usage: songbook dump [--data DIR]

Loads every *.txt song file of DIR (default: see "songbook --help"), as the
viewer does, and prints the library as UTF-8 JSON:
artists in load order with their songs and paragraphs (kind 0 normal,
1 verse, 2 verse with chords, 3 chords, 4 tablature, 5 details), then the
files that could not be read. Exits with 1 if any file could not be read.
)";

constexpr const char* LintHelp = R"(usage: songbook lint [--data DIR | FILE...]

Lists every line that the viewer ignores, as "file:line: reason": text before
the first title, text outside any paragraph, unknown commands (".titel"),
"artist" or "pagetitle" inside a song, a command word ended by a tab. Blank
lines are layout and are not listed, except a blank line in a verse with
chords after which the chords stand where the text belongs (or the text where
the chords belong): the viewer counts it as a line, so it swaps the chord and
text lines of every pair after it. Without arguments it checks the default
folder (see "songbook --help"). Exits with 1 if it found anything.
)";

constexpr const char* ExportHelp = R"(usage: songbook export [--data DIR] --artist NAME -o FILE.rtf|FILE.pdf
       songbook export [--data DIR] --song "ARTIST - TITLE" -o FILE.rtf|FILE.pdf
       songbook export [--data DIR] --all [--pdf] -o FOLDER
       songbook export [--data DIR] --set SETFILE -o FILE.rtf|FILE.pdf

Renders one artist's songbook, one song, or every artist's songbook (one file
each, named by the artist) with the user's style fonts, as the viewer's
"Mentés..." does, and writes Rich Text. Names are matched exactly, accents
and letter case included. Exits with 1 for an unknown artist or song or a
file that cannot be written; with --all, every other songbook is still
written and each failure is listed.

--set writes the songs of a set list file (one "ARTIST - TITLE" a line, as
the viewer's "Műsor" window keeps them) in its order, as one book: each song
in the key its song window was last left in (the viewer's settings). An
entry that names no song of the library is listed and left out, the others
are written, and the exit status is 1; with no song found nothing is written.

With --transpose N (-24 to 24) and --capo C (0 to 11) every song is written
moved as "songbook transpose" moves it (for a set list, in place of each
song's own key).

A FILE named *.pdf (or --pdf, which with --all writes one PDF per artist) is
written as PDF, laid out as the viewer prints: real text with its fonts, a
chord line never parted from the line under it, inside the margins of the
viewer's "Oldalbeállítás...". It needs no display. PDF options:
  --paper A5|A4|Letter    the paper (A4)
  --landscape             the paper turned
  --margins T,B,L,R       margins in millimetres from the paper's edges
  --keep-verses           a verse that fits a page is never split, and a
                          song's header never stays alone at a page's foot
                          (also when the viewer's page setup says so)
  --toc                   first pages listing the songs in the tree's order
                          with their pages
  --page-numbers          each page numbered at its foot
  --columns N             N columns a page (1 to 4), for landscape or large paper
)";

constexpr const char* FindHelp = R"(usage: songbook find [--data DIR] [--json] WORD...

Lists the songs in which every word occurs, in any order, in the artist's
name, the title, the authors or a line of the lyrics (chord lines, tablature
and details do not count), as the viewer's search finds them: letter case,
punctuation and accents aside (o finds ó, ö and ő), but an accented letter
finds only itself. Songs found by their title come first, then those found in
their lyrics, each with the line that matched; both in the order of the
viewer's tree (by artist, then by title):

  ARTIST - TITLE
      the line that matched

With --json: {"hits":[{"artist","title","foundIn":"title"|"lyrics","line"}]}.
Exits with 1 when nothing is found, and with 2 when the words hold no letter
or digit to look for.
)";

constexpr const char* TransposeHelp = R"(usage: songbook transpose [--data DIR] --song "ARTIST - TITLE" N [--capo C]

Prints the song as text with its chords moved N semitones (-24 to 24;
negative is down, and +2 is 2, as the viewer's captions write it), as the viewer's song window shows it: only chord lines
change, each chord at its column, spelled in the new key and in the song's
own notation (H and B in a Hungarian song, B and Bb in an English one; a
song that does not show which takes the viewer's "Hangjegyírás" setting).
With --capo C (0 to 11) it shows the shapes to play with a capo on fret C,
under a "Capo C" line.
)";

constexpr const char* SettingsHelp = R"(usage: songbook settings

Prints every setting the viewer keeps: the value in effect and whether it is
stored or the default; of the songs' own transpositions, those stored. The settings file is $VIVIRA_SETTINGS_FILE if set,
else $XDG_CONFIG_HOME/Cantorix/settings.reg (~/.config when unset); on
Windows the settings are the registry key HKEY_CURRENT_USER\Software\Cantorix.
)";

std::vector<std::string> SongFilePaths(const std::string& directory) {
    std::vector<std::string> paths;
    for (const std::string& name : FindSongFiles(directory))
        paths.push_back(JoinPath(directory, name));
    return paths;
}

// The viewer treats a missing folder as an empty library; here it is a typo.
void RequireFolder(const std::string& directory) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(PathFromUtf8(directory), error);
    if (std::filesystem::is_directory(status))
        return;
    throw TUsageError((std::filesystem::exists(status) ? "not a folder: " : "no such folder: ") +
                      PathForDisplay(directory));
}

void ReportFailures(const std::vector<TLoadFailure>& failures, std::ostream& err) {
    for (const TLoadFailure& failure : failures)
        err << "songbook: " << PathForDisplay(failure.Path) << ": " << failure.Message << '\n';
}

std::vector<TLoadFailure> LoadLibrary(const TSongbookArguments& arguments, std::unique_ptr<TArtist>& artists,
                                      TLoadProgress* progress) {
    const std::string directory = arguments.DataDirectory.value_or(DataDirectory());
    RequireFolder(directory);
    return LoadSongLibrary(directory, artists, progress);
}

int Dump(const TSongbookArguments& arguments, std::ostream& out, std::ostream& err) {
    std::unique_ptr<TArtist> artists;
    TLoadedPaths loaded;
    const std::vector<TLoadFailure> failures = LoadLibrary(arguments, artists, &loaded);
    WriteLibraryJson(out, artists.get(), loaded.Paths, failures);
    ReportFailures(failures, err);
    return failures.empty() ? Success : Findings;
}

// The viewer's settings loaded as the viewer loads them, and only read: a
// value that cannot be read is reported and the rest stays at its default,
// as in the viewer.
std::unique_ptr<TPreferences> LoadPreferences(std::ostream& err) {
    auto preferences = std::make_unique<TPreferences>(OpenSettingsForReading(SettingsRoot, "songbook", err),
                                                      StandardPixelsPerInch, StyleFonts, SizeStep);
    try {
        preferences->LoadAll();
    } catch (const TSettingsError& error) {
        err << "songbook: settings: " << error.what() << '\n';
    }
    return preferences;
}

// A file that could not be read is reported, and the rest is exported all the same.
int Export(const TSongbookArguments& arguments, std::ostream& out, std::ostream& err) {
    std::unique_ptr<TArtist> artists;
    ReportFailures(LoadLibrary(arguments, artists, nullptr), err);
    const std::unique_ptr<TPreferences> preferences = LoadPreferences(err);
    TTransposition transposition({arguments.Semitones, arguments.Capo}, preferences->Notation);
    // A set list is played as its songs' windows were left, unless one shift is asked for all.
    TEachSongShift remembered([&preferences](const TSong& song) { return ReadSongShift(*preferences->Settings, song); },
                              preferences->Notation);
    const bool eachOwnShift = arguments.Set && !arguments.Shifted;
    const TRenderStyle style{StyleFonts, StandardPixelsPerInch};
    TExportFormat format{style, eachOwnShift ? static_cast<TSongChange&>(remembered) : transposition, std::nullopt};
    std::optional<TPdfSession> session;
    if (ExportsPdf(arguments)) {
        session.emplace();
        format.Pdf = TPdfRequest{arguments.Pdf, preferences->PageMargins, preferences->KeepVerses};
    }
    const std::vector<std::string> failures = ExportSongs(artists.get(), arguments, format, out);
    for (const std::string& failure : failures)
        err << "songbook: " << failure << '\n';
    return failures.empty() ? Success : Findings;
}

// The song as text, moved as the viewer would move it with these settings.
int Transpose(const TSongbookArguments& arguments, std::ostream& out, std::ostream& err) {
    std::unique_ptr<TArtist> artists;
    ReportFailures(LoadLibrary(arguments, artists, nullptr), err);
    TTransposition transposition({arguments.Semitones, arguments.Capo}, LoadPreferences(err)->Notation);
    PrintSong(artists.get(), *arguments.Song, {StyleFonts, StandardPixelsPerInch}, transposition, out);
    return Success;
}

int Find(const TSongbookArguments& arguments, std::ostream& out, std::ostream& err) {
    std::string query;
    for (const std::string& word : arguments.Files)
        query += (query.empty() ? "" : " ") + word;
    if (!HasWordToFind(query))
        throw TUsageError("find needs a letter or digit to look for: punctuation and spaces are not searched");
    std::unique_ptr<TArtist> artists;
    ReportFailures(LoadLibrary(arguments, artists, nullptr), err);
    return FindSongs(artists.get(), query, arguments.Json, out) > 0 ? Success : Findings;
}

int Lint(const TSongbookArguments& arguments, std::ostream& out, std::ostream& err) {
    std::vector<std::string> paths = arguments.Files;
    if (paths.empty()) {
        const std::string directory = arguments.DataDirectory.value_or(DataDirectory());
        RequireFolder(directory);
        paths = SongFilePaths(directory);
    }
    const TLintResult result = LintSongFiles(paths, out, err);
    return result.IgnoredLines == 0 && result.UnreadableFiles == 0 ? Success : Findings;
}

int Run(const TSongbookArguments& arguments, std::ostream& out, std::ostream& err) {
    if (arguments.Version)
        return out << "songbook (Vivira redir) " << VIVIRA_VERSION << '\n', Success;
    if (arguments.Command == "dump")
        return arguments.Help ? (out << DumpHelp, Success) : Dump(arguments, out, err);
    if (arguments.Command == "export")
        return arguments.Help ? (out << ExportHelp, Success) : Export(arguments, out, err);
    if (arguments.Command == "settings") {
        if (arguments.Help)
            return out << SettingsHelp, Success;
        PrintSettings(*LoadPreferences(err), SettingsPlace(SettingsRoot), out);
        return Success;
    }
    if (arguments.Command == "find")
        return arguments.Help ? (out << FindHelp, Success) : Find(arguments, out, err);
    if (arguments.Command == "lint")
        return arguments.Help ? (out << LintHelp, Success) : Lint(arguments, out, err);
    if (arguments.Command == "transpose")
        return arguments.Help ? (out << TransposeHelp, Success) : Transpose(arguments, out, err);
    out << GeneralHelp;
    return Success;
}

} // namespace

int RunSongbook(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    try {
        return Run(ParseSongbookArguments(arguments), out, err);
    } catch (const TUsageError& error) {
        err << "songbook: " << error.what() << "\n" << GeneralHelp;
        return UsageFailure;
    } catch (const std::bad_alloc&) {
        err << "songbook: Not enough memory\n";
        return Findings;
    } catch (const std::exception& error) {
        err << "songbook: " << error.what() << '\n';
        return Findings;
    }
}
