#pragma once

#include "render/document.h"

#include <functional>
#include <string>
#include <string_view>

// The document as Rich Text, handed to the sink in pieces, so that a big
// songbook is never held whole. The same document always gives the same bytes.
using TRichTextSink = std::function<void(std::string_view piece)>;
void WriteRichText(const TRichDocument& document, const TRichTextSink& sink);
// The same, telling the progress after each piece; false when the progress
// stopped it (what the sink got is then not a whole document).
bool WriteRichText(const TRichDocument& document, const TRichTextSink& sink, const TWriteProgress& progress);

// The whole document as Rich Text at once.
std::string RichText(const TRichDocument& document);
