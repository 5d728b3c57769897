#pragma once

#include "render/document.h"

#include <string_view>
#include <type_traits>
#include <vector>

// A stretch of a paragraph's text in one character format.
struct TTextRun {
    std::string_view Text;
    const TCharacterFormat* Format;
};

// One paragraph as the writers and the view need it.
struct TParagraphRuns {
    const TParagraphFormat* Format = nullptr;
    std::vector<TTextRun> Runs; // none for an empty paragraph
    // The format of the paragraph mark: what an empty line is drawn in. The
    // last paragraph has no mark; it takes the format of the text before it.
    const TCharacterFormat* MarkFormat = nullptr;
    bool IsLast = false;
};

// The one walk over a document's paragraphs and runs, in order; the
// paragraph passed is reused from call to call. A visit that returns a
// bool stops the walk by returning false.
template <class Visit> void ForEachParagraph(const TRichDocument& document, Visit&& visit) {
    const std::string& text = document.Text();
    const std::vector<TFormatRun>& runs = document.Runs();
    const std::vector<TParagraphFormat>& paragraphs = document.Paragraphs();
    const auto formatAt = [&](std::size_t position, std::size_t& run) -> const TCharacterFormat* {
        if (runs.empty())
            return &document.InsertionFormat();
        while (run + 1 < runs.size() && runs[run + 1].Start <= position)
            ++run;
        return &runs[run].Format;
    };
    TParagraphRuns paragraph;
    std::size_t run = 0;
    std::size_t start = 0;
    for (std::size_t index = 0; index < paragraphs.size(); ++index) {
        paragraph.IsLast = index + 1 == paragraphs.size();
        const std::size_t end = paragraph.IsLast ? text.size() : document.MarkPositions()[index];
        paragraph.Format = &paragraphs[index];
        paragraph.Runs.clear();
        for (std::size_t position = start; position < end;) {
            const TCharacterFormat* format = formatAt(position, run);
            const std::size_t runEnd = run + 1 < runs.size() ? std::min(runs[run + 1].Start, end) : end;
            paragraph.Runs.push_back({std::string_view(text).substr(position, runEnd - position), format});
            position = runEnd;
        }
        paragraph.MarkFormat = formatAt(paragraph.IsLast && end > 0 ? end - 1 : end, run);
        if constexpr (std::is_same_v<std::invoke_result_t<Visit&, const TParagraphRuns&>, bool>) {
            if (!visit(static_cast<const TParagraphRuns&>(paragraph)))
                return;
        } else {
            visit(static_cast<const TParagraphRuns&>(paragraph));
        }
        start = end + 1;
    }
}
