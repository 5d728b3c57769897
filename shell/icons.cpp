#include "shell/icons.h"

// Our own pictures are in a resource of this static library: make sure they are linked in.
static void InitIcons() {
    Q_INIT_RESOURCE(icons);
}

QIcon RoleIcon(const char* themeName, const char* ownName) {
    static const bool initialised = (InitIcons(), true);
    (void)initialised;
    const QIcon own(QString(":/icons/%1.xpm").arg(ownName));
    return themeName ? QIcon::fromTheme(themeName, own) : own;
}

QIcon WindowIcon() {
    return RoleIcon(nullptr, "sheet");
}
