#pragma once

#include "library/artist.h"
#include "print/pdfbook.h"
#include "render/pagemargins.h"
#include "render/songrenderer.h"
#include "tools/songbook/pdfarguments.h"

#include <QGuiApplication>
#include <memory>
#include <string>

// What drawing a PDF needs (fonts, and Qt's offscreen platform, so that no
// display is needed), for as long as it lives.
class TPdfSession {
public:
    TPdfSession();

private:
    std::unique_ptr<QGuiApplication> m_application;
};

// The book the options ask for; margins and keeping verses together follow
// the viewer's page setup unless the options say otherwise.
TPdfBook PdfBookFor(const TPdfArguments& arguments, const TPageMargins& margins, bool keepVerses);

// The artist's songbook, or one song, as a PDF file laid out as printing does.
void SaveAsPdf(const TArtist& artist, const std::string& path, const TRenderStyle& style, TSongChange& change,
               TPdfBook book);
void SaveAsPdf(const TSong& song, const std::string& path, const TRenderStyle& style, TSongChange& change,
               TPdfBook book);
