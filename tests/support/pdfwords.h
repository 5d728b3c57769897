#pragma once

#include <string>
#include <vector>

// A word of a PDF file where pdftotext, which no one here wrote, finds it:
// its page (from 1) and box in points from the paper's top-left.
struct TPdfWord {
    int Page;
    double XMin, YMin, XMax, YMax;
    std::string Text; // UTF-8
};

struct TPdfText {
    int Pages = 0;
    std::vector<TPdfWord> Words;
};

TPdfText ReadPdfWords(const std::string& pdf);

// The words of each printed line (words of one page whose tops are within a
// point of each other), top to bottom, page by page.
std::vector<std::vector<TPdfWord>> PdfLines(const TPdfText& text);
