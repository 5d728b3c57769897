#pragma once

#include "render/document.h"

#include <string>

// The whole document as Rich Text. The same document always gives the same bytes.
std::string RichText(const TRichDocument& document);
