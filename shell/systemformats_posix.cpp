#include "shell/systemformats.h"

QStringList SystemRichTextFormats() {
    return {};
}
