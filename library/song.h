#pragma once

#include "library/commandline.h"
#include "library/paragraph.h"
#include "library/parsekey.h"

#include <memory>
#include <string>

class TArtist;

class TSong {
public:
    // Reads the lines after the song's "title" line, up to the next "title"
    // line (pushed back for the artist) or the end of the file.
    TSong(TArtist& artist, std::string title, TParseKey);
    TSong(const TSong&) = delete;
    TSong& operator=(const TSong&) = delete;
    ~TSong();

    std::unique_ptr<TSong> Next;
    std::unique_ptr<TParagraph> FirstParagraph;
    std::string Title;
    std::string Authors;
    std::string Comment;
    bool IsNew = false;
    bool IsMine = false;
    bool IsVulgar = false;
    TArtist* Artist;
    TParagraph* LastParagraph = nullptr;

private:
    friend class TParagraph;

    void AddParagraph(std::unique_ptr<TParagraph> paragraph);

    // The song file's reader, reached through the artist, while the song is built.
    TCommandLine ReadCommandLine();
    void PushBack(const TCommandLine& line);
    bool AtEnd() const;
};

const std::string& SongArtistName(const TSong& song);
