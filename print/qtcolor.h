#pragma once

#include "render/systemcolors.h"

#include <QColor>

QColor ToQColor(TColor color);
TColor FromQColor(const QColor& color);

// System colours resolve through the application's palette from now on.
void UsePaletteForSystemColors();
