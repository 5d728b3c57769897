#pragma once

class TSong;

// How a song names the note between A and C. Hungarian (and German) songs
// write B natural as H and B flat as B; English songs write B and Bb.
enum class TNotation { Hungarian, English };

// The song's notation, read from its chord lines: a chord rooted on H or with
// an H bass means Hungarian; otherwise a Bb or A# (root or bass) means
// English; a song with neither gives no clue and takes the fallback, the
// user's setting.
TNotation DetectNotation(const TSong& song, TNotation fallback);
