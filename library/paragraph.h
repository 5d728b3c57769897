#pragma once

#include "library/commandline.h"
#include "library/linelist.h"
#include "library/parsekey.h"

#include <cstddef>
#include <cstdint>
#include <memory>

class TSong;

// A paragraph of one of six kinds. The kinds add no fields: code that treats
// them differently looks at Kind. The destructor is virtual only so that a
// kind can be freed and checked-cast through the base.
class TParagraph {
public:
    TParagraph(const TParagraph&) = delete;
    TParagraph& operator=(const TParagraph&) = delete;
    virtual ~TParagraph();

    std::unique_ptr<TParagraph> Next;
    std::int32_t Kind;
    TLineList Lines;
    TSong* Song;

protected:
    // Reads the text lines that follow the paragraph command, up to the next
    // command line, which is pushed back for the song.
    TParagraph(TSong& song, std::int32_t kind, TParseKey);

private:
    // The song file's reader, reached through the song, while the paragraph is built.
    TCommandLine ReadCommandLine();
    void PushBack(const TCommandLine& line);
    bool AtEnd() const;
};

class TNormal : public TParagraph {
public:
    static constexpr std::int32_t KindNumber = 0;
    TNormal(TSong& song, TParseKey key) : TParagraph(song, KindNumber, key) {}
};

class TVerse : public TParagraph {
public:
    static constexpr std::int32_t KindNumber = 1;
    TVerse(TSong& song, TParseKey key) : TParagraph(song, KindNumber, key) {}
};

class TDefVerse : public TParagraph {
public:
    static constexpr std::int32_t KindNumber = 2;
    TDefVerse(TSong& song, TParseKey key) : TParagraph(song, KindNumber, key) {}
};

class TChords : public TParagraph {
public:
    static constexpr std::int32_t KindNumber = 3;
    TChords(TSong& song, TParseKey key) : TParagraph(song, KindNumber, key) {}
};

class TTab : public TParagraph {
public:
    static constexpr std::int32_t KindNumber = 4;
    TTab(TSong& song, TParseKey key) : TParagraph(song, KindNumber, key) {}
};

class TDetails : public TParagraph {
public:
    static constexpr std::int32_t KindNumber = 5;
    TDetails(TSong& song, TParseKey key) : TParagraph(song, KindNumber, key) {}
};

// Whether the line at this position of a paragraph of this kind stands where
// the file format puts chords: every line of a chords paragraph, and in a
// verse with chords the lines at even positions, each above its text line.
// Positions count every line, empty ones too, so an empty line swaps the
// places of the pair after it. Details and tablature hold no chord lines,
// whatever they look like (capo notes, fingerings such as "Am x02210").
bool InChordPosition(std::int32_t kind, std::size_t position);
