#pragma once

#include "library/commandline.h"

// Why the parser passed over a line. The parser never fails on content; these
// let a song-file author find typos such as ".titel".
enum class TIgnoredReason {
    HeaderText,              // a text line before the first "title"
    CommandBeforeFirstTitle, // a song or paragraph command in the header
    UnknownCommand,
    CommandEndedByTab,    // ".title<tab>Name": only a space ends the word
    TextOutsideParagraph, // a text line after "title" or a song command
    HeaderCommandInSong,  // "artist" or "pagetitle" after the first "title"
};

const char* IgnoredReasonText(TIgnoredReason reason);

class TParagraph;

class TParseObserver {
public:
    virtual ~TParseObserver() = default;
    virtual void LineIgnored(const TCommandLine& line, TIgnoredReason reason) = 0;
    // Each paragraph once its lines are read, which are the lines of the file
    // from firstLineNumber on: checks of what a paragraph holds can name them.
    virtual void ParagraphRead(const TParagraph& /*paragraph*/, std::size_t /*firstLineNumber*/) {}
};
