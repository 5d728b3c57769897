#pragma once

#include <QIcon>

// The desktop theme's icon for the role where the theme has one, else our own.
QIcon RoleIcon(const char* themeName, const char* ownName);
// The tilted sheet of paper that every window of the program shows.
QIcon WindowIcon();
