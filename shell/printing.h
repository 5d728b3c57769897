#pragma once

#include "render/document.h"
#include "settings/preferences.h"

#include <QString>
#include <stdexcept>
#include <vector>

class QPrinter;

class TPrintError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The print rectangle of the margins, in printer pixels from the top-left of
// the printable area: the margins are measured from its edges.
TRect PrintRectFor(const TPageMargins& margins, int resolutionX, int resolutionY, int width, int height);

// A line of laid-out text: its top and bottom, in device pixels.
struct TLineSpan {
    double Top;
    double Bottom;
};

// Where each page starts: lines are never split, a page ends only when the
// next line does not fit, and a line too tall for any page gets one of its own.
std::vector<double> PageStarts(const std::vector<TLineSpan>& lines, double pageHeight);

// Prints the whole document as one job named title, laid out in the
// document's PrintRect (the whole printable area when it is empty or too
// small for a line), wrapped to its width, as many pages as the text needs.
void PrintDocument(const TRichDocument& document, const QString& title, QPrinter& printer);
