#pragma once

#include "settings/preferences.h"

#include <ostream>

// Prints every setting the viewer reads or writes: the value in effect, and
// what the store holds for it (nothing: the default is in effect). Of the
// per-song values, only those stored.
void PrintSettings(TPreferences& preferences, const std::string& settingsPlace, std::ostream& out);
