#pragma once

#include "render/document.h"

class QTextDocument;

// How much one font-size step zooms the text of song windows on screen.
inline constexpr double SizeStepFactor = 1.2;
// The zoom of a step; steps beyond the menu's -2..2 zoom as far as its ends.
double SizeStepZoom(int sizeStep);

// Builds the view's text from the document: every paragraph with its
// alignment and indent, every run with its font, size (times zoom), effects
// and colour (none for the automatic colour: the view's text colour shows).
// Lengths are in pixels of a device of the given resolution.
void FillTextDocument(const TRichDocument& document, QTextDocument& view, double zoom, int pixelsPerInch);
