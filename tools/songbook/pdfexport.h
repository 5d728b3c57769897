#pragma once

#include "library/artist.h"
#include "render/pagemargins.h"
#include "render/songrenderer.h"
#include "setlist/setbook.h"
#include "tools/songbook/pdfarguments.h"

#include <memory>
#include <string>

// What drawing a PDF needs (fonts, and Qt's offscreen platform, so that no
// display is needed), for as long as it lives. A songbook built without Qt
// draws no PDF: there it fails with TCommandFailure before anything is written.
class TPdfSession {
public:
    TPdfSession();
    ~TPdfSession();

private:
    struct TApplication;
    std::unique_ptr<TApplication> m_application;
};

// The PDF asked for: the options, over the viewer's page setup (margins and
// keeping verses together), which they override where given.
struct TPdfRequest {
    TPdfArguments Arguments;
    TPageMargins Margins;
    bool KeepVerses = false;
};

// The artist's songbook, or one song, as a PDF file laid out as printing does.
void SaveAsPdf(const TArtist& artist, const std::string& path, const TRenderStyle& style, TSongChange& change,
               const TPdfRequest& request);
void SaveAsPdf(const TSong& song, const std::string& path, const TRenderStyle& style, TSongChange& change,
               const TPdfRequest& request);
// A set list's songs in set order, its contents (if asked) in that order too.
void SaveAsPdf(const TSetBook& set, const std::string& path, const TRenderStyle& style, TSongChange& change,
               const TPdfRequest& request);
