#pragma once

#include "render/document.h"

#include <cstddef>
#include <functional>

class QPagedPaintDevice;

// Told after each page, with the paragraphs printed so far; false stops the printing there.
using TKeepPrinting = std::function<bool(int pagesDone, std::size_t paragraphsDone)>;

// Prints the whole document onto the device (a printer, or a PDF writer set
// up by the caller) in the document's PrintRect, or on the whole printable
// area when it is empty or too small for a line: paragraph by paragraph,
// each laid out on its own, so that a songbook of any length prints in time
// linear in its length. Lines are never split, a page ends only when the next
// line does not fit, a line too tall for any page gets one of its own, and
// an empty document gives one empty page. False when told to stop.
bool PrintPages(const TRichDocument& document, QPagedPaintDevice& device, const TKeepPrinting& keepPrinting);
