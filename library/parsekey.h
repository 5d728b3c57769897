#pragma once

class TArtist;
class TSong;

// Only the parser makes songs and paragraphs, reading them from the song
// file while the artist is built: a loaded library is read-only, and a song
// or paragraph made from it later would read from a file long closed.
class TParseKey {
    friend class TArtist;
    friend class TSong;
    TParseKey() = default;
};
