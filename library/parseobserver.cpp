#include "library/parseobserver.h"

const char* IgnoredReasonText(TIgnoredReason reason) {
    switch (reason) {
    case TIgnoredReason::HeaderText:
        return "text before the first title";
    case TIgnoredReason::CommandBeforeFirstTitle:
        return "song command before the first title";
    case TIgnoredReason::UnknownCommand:
        return "unknown command";
    case TIgnoredReason::CommandEndedByTab:
        return "command word ended by a tab (only a space ends it)";
    case TIgnoredReason::TextOutsideParagraph:
        return "text line outside any paragraph";
    case TIgnoredReason::HeaderCommandInSong:
        return "artist or pagetitle inside a song";
    }
    return "ignored";
}
