#pragma once

#include "library/commandline.h"
#include "library/keyword.h"
#include "library/song.h"
#include "platform/filebytes.h"

#include <memory>
#include <string>

class TParseObserver;
class TSongFile;

// One song file: its header values and its songs in file order.
class TArtist {
public:
    // Builds the whole artist from the file; throws TInOutError when the file
    // cannot be read. The observer, if any, hears of every ignored line; the
    // file's text goes into the arena, if one is given.
    explicit TArtist(const std::string& path, TParseObserver* observer = nullptr, TByteArena* arena = nullptr);
    TArtist(const TArtist&) = delete;
    TArtist& operator=(const TArtist&) = delete;
    ~TArtist();

    std::unique_ptr<TArtist> Next;
    std::unique_ptr<TSong> FirstSong;
    std::string PageTitle;
    std::string ArtistName;
    std::string FileName; // the song file's name without its folder, as the system spells it
    TSong* LastSong = nullptr;

    // The bytes of the artist's file: about as much text as its songbook holds.
    std::size_t TextSize() const { return m_text.Size(); }

private:
    // What builds the artist, its songs and their paragraphs, and nothing after.
    friend class TSong;
    friend class TParagraph;

    void AddSong(std::unique_ptr<TSong> song);

    // The line reader with its one-line push-back, while the artist is built.
    TCommandLine ReadCommandLine();
    void PushBack(const TCommandLine& line);
    bool AtEnd() const;

    void ReportIgnored(const TCommandLine& line, TKeyword keyword, bool insideSong) const;
    void ReportParagraph(const TParagraph& paragraph, std::size_t firstLineNumber) const;

    std::unique_ptr<TSongFile> SongFile;
    TFileBytes m_text; // the file's converted text, which every paragraph's lines point into
    bool HasPending = false;
    TCommandLine Pending; // the pushed-back command word and text
    TParseObserver* m_observer;
};
