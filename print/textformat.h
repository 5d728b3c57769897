#pragma once

#include "render/document.h"

#include <QTextCharFormat>
#include <QTextOption>

// A run's format as Qt draws it: face, size (times zoom), effects, and its
// colour, none for the automatic colour, so that the drawing's own shows.
QTextCharFormat TextCharFormat(const TCharacterFormat& format, double zoom);

Qt::Alignment TextAlignment(TAlignment alignment);

// Twips as pixels of a device of the given resolution.
double TwipsToPixels(std::int32_t twips, double pixelsPerInch);
