#include "shell/systemformats.h"

QStringList SystemRichTextFormats() {
    return {"Rich Text Format"};
}
