#pragma once

#include "render/document.h"

#include <string>

// The whole document as plain UTF-8 text, one line per paragraph.
std::string PlainText(const TRichDocument& document);
