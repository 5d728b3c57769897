#pragma once

#include "chords/key.h"
#include "chords/notation.h"

#include <string>

// Names pitch classes the way a chart in the given key writes them.
//
// Keys are spelled with the fewest accidentals (English names): C Db D Eb E F F# G Ab A Bb B
// major, Cm C#m Dm D#m Em Fm F#m Gm G#m Am Bbm Bm minor (F# and D#m rather
// than Gb and Ebm, whose scales hold Cb). A note of the key's scale (a minor
// scale with its raised seventh too: G minor has F#) takes the scale's spelling, except that E#, B#, Fb and Cb are
// always written as the plain letter of the same pitch (F, C, E, B): the only such note of these keys is the E# of F#
// and D#m. A note outside the scale takes its natural letter when it has one, else the sharp when the song moved up and
// the flat when it moved down. In Hungarian notation B flat is B and B natural is H; A# is written only where the key's
// scale holds it, else B.
class TSpeller {
public:
    TSpeller(TKey key, TNotation notation, bool upward);

    std::string Name(int pitchClass) const;
    std::string KeyName() const; // e.g. "Am", "H", "F#m"

private:
    TKey m_key;
    TNotation m_notation;
    bool m_upward;
};
