#pragma once

#include <string>

// $HOME, else the password database's home folder; never the root folder
// (files would land in /.config), and from the database only a folder that
// is there. On Windows %USERPROFILE%. Empty when there is none.
std::string HomeFolder();

// Where the user's programs keep their data: $XDG_DATA_HOME when it is an
// absolute path, else ~/.local/share; empty without a home folder. On
// Windows the roaming AppData folder.
std::string UserDataFolder();
