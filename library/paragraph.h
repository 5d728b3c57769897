#pragma once

#include "library/commandline.h"
#include "library/linelist.h"

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

    // The song file's reader, reached through the song.
    TCommandLine ReadCommandLine();
    void PushBack(const TCommandLine& line);
    bool AtEnd() const;

protected:
    // Reads the text lines that follow the paragraph command, up to the next
    // command line, which is pushed back for the song.
    TParagraph(TSong& song, std::int32_t kind);
};

class TNormal : public TParagraph {
public:
    static constexpr std::int32_t KindNumber = 0;
    explicit TNormal(TSong& song) : TParagraph(song, KindNumber) {}
};

class TVerse : public TParagraph {
public:
    static constexpr std::int32_t KindNumber = 1;
    explicit TVerse(TSong& song) : TParagraph(song, KindNumber) {}
};

class TDefVerse : public TParagraph {
public:
    static constexpr std::int32_t KindNumber = 2;
    explicit TDefVerse(TSong& song) : TParagraph(song, KindNumber) {}
};

class TChords : public TParagraph {
public:
    static constexpr std::int32_t KindNumber = 3;
    explicit TChords(TSong& song) : TParagraph(song, KindNumber) {}
};

class TTab : public TParagraph {
public:
    static constexpr std::int32_t KindNumber = 4;
    explicit TTab(TSong& song) : TParagraph(song, KindNumber) {}
};

class TDetails : public TParagraph {
public:
    static constexpr std::int32_t KindNumber = 5;
    explicit TDetails(TSong& song) : TParagraph(song, KindNumber) {}
};
