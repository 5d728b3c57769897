#pragma once

#include "render/document.h"

#include <string>

// The whole document as an HTML fragment in UTF-8, every format inline (CSS
// in style attributes), for programs that paste HTML rather than Rich Text.
std::string HtmlText(const TRichDocument& document);
