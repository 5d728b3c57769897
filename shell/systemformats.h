#pragma once

#include <QStringList>

// The clipboard formats beyond the MIME types under which this system's
// programs look for rich text: on Windows the one named "Rich Text Format"
// (CF_RTF; Qt registers a format under the name it is given). Every line of
// the program that only Windows needs is in systemformats_win32.cpp.
QStringList SystemRichTextFormats();
