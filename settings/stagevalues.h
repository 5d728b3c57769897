#pragma once

#include "library/artist.h"
#include "settings/settings.h"
#include "settings/songslots.h"

// What the performance view remembers: under "Performance", its colours
// ("Dark": 1 light text on a dark background, else the song windows'), and
// each song's auto-scroll speed in lines per minute in the song slots
// "Speed0" ... "Speed255", each "SPEED FILE|TITLE".
constexpr const char* PerformanceSection = "Performance";
constexpr const char* DarkName = "Dark";
extern const TSongSlots ScrollSpeedSlots;

constexpr int DefaultScrollSpeed = 12;
constexpr int SlowestScrollSpeed = 1;
constexpr int FastestScrollSpeed = 240;

// The default for a song not remembered; a stored speed out of range is brought into it.
int ReadScrollSpeed(TSettings& settings, const TSong& song);
void WriteScrollSpeed(TSettings& settings, const TSong& song, int linesPerMinute);
