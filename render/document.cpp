#include "render/document.h"

#include "platform/atomicfilebatch.h"
#include "render/rtfwriter.h"
#include "render/systemcolors.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr char ParagraphMark = '\r';
// Positions are 32-bit numbers wherever a document is shown or printed.
constexpr std::size_t MaximumLength = 0x7FFFFFFF;

std::int64_t Number(const TAttributeValue& value) {
    const auto* number = std::get_if<std::int64_t>(&value);
    if (!number)
        throw TDocumentError("Invalid attribute value");
    return *number;
}

// Sizes beyond what readers take are brought into range, never overflowed.
std::int32_t TwipsOf(double points) {
    return static_cast<std::int32_t>(std::lround(std::min(points, double{LargestPointSize}) * TwipsPerPoint));
}

} // namespace

// The marks before the position end the paragraphs before its own.
std::size_t TRichDocument::ParagraphAt(std::size_t position) const {
    // Rendering sets paragraph formats at the end, over and over: keep that cheap.
    if (position == m_text.size())
        return m_marks.size();
    return static_cast<std::size_t>(std::lower_bound(m_marks.begin(), m_marks.end(), position) - m_marks.begin());
}

void TRichDocument::AppendLine(std::string_view text) {
    if (text.size() >= MaximumLength - m_text.size())
        throw TDocumentError("RichEdit line insertion error");
    const std::size_t start = m_text.size();
    m_text.append(text);
    m_marks.push_back(static_cast<std::uint32_t>(m_text.size()));
    m_text += ParagraphMark;
    if (m_runs.empty() || !(m_runs.back().Format == m_insertionFormat))
        m_runs.push_back({start, m_insertionFormat});
    m_paragraphs.push_back(m_paragraphs.back());
    m_paragraphs.back().KeepWithNext = TKeepWithNext::No;
    m_selectionStart = m_text.size();
    m_selectionLength = 0;
}

// Splits the run that covers position so that a run starts exactly there.
void TRichDocument::SplitRunAt(std::size_t position) {
    if (position >= m_text.size())
        return;
    auto after = std::upper_bound(m_runs.begin(), m_runs.end(), position,
                                  [](std::size_t p, const TFormatRun& run) { return p < run.Start; });
    const auto covering = std::prev(after);
    if (covering->Start != position)
        m_runs.insert(after, {position, covering->Format});
}

void TRichDocument::MergeEqualRuns() {
    auto last = std::unique(m_runs.begin(), m_runs.end(),
                            [](const TFormatRun& a, const TFormatRun& b) { return a.Format == b.Format; });
    m_runs.erase(last, m_runs.end());
}

template <class Change> void TRichDocument::ChangeFormat(Change change) {
    if (m_selectionLength == 0) {
        change(m_insertionFormat);
        return;
    }
    const std::size_t end = m_selectionStart + m_selectionLength;
    SplitRunAt(m_selectionStart);
    SplitRunAt(end);
    for (TFormatRun& run : m_runs) {
        if (run.Start >= m_selectionStart && run.Start < end)
            change(run.Format);
    }
    MergeEqualRuns();
}

void TRichDocument::SetSelectionAttribute(TFontAttribute attribute, const TAttributeValue& value) {
    switch (attribute) {
    case TFontAttribute::Charset:
        return ChangeFormat([&](TCharacterFormat& f) { f.Charset = static_cast<std::uint8_t>(Number(value)); });
    case TFontAttribute::Color: {
        const auto color = static_cast<TColor>(Number(value));
        // Other colours are fixed now: a later change of the colour scheme does not reach this text.
        const bool automatic = color == WindowTextColor;
        const TColor rgb = automatic ? 0 : ResolveColor(color);
        return ChangeFormat([&](TCharacterFormat& f) {
            f.AutomaticColor = automatic;
            f.Rgb = rgb;
        });
    }
    case TFontAttribute::Height: {
        // A height is a size of Height x 72 / PPI points; the usual negative
        // heights give no usable size and leave the size as it was.
        const double points = static_cast<double>(Number(value)) * 72.0 / m_pixelsPerInch;
        if (points <= 0)
            return;
        return ChangeFormat([twips = TwipsOf(points)](TCharacterFormat& f) { f.SizeTwips = twips; });
    }
    case TFontAttribute::Name:
        if (const auto* name = std::get_if<std::string>(&value))
            return ChangeFormat([&](TCharacterFormat& f) { f.FaceName = *name; });
        throw TDocumentError("Invalid attribute value");
    case TFontAttribute::Pitch:
        return;
    case TFontAttribute::Size: {
        const std::int64_t points = Number(value);
        if (points > 0)
            ChangeFormat([twips = TwipsOf(static_cast<double>(points))](TCharacterFormat& f) { f.SizeTwips = twips; });
        return;
    }
    case TFontAttribute::Style:
        return ChangeFormat(
            [&](TCharacterFormat& f) { f.Style = static_cast<std::int32_t>(Number(value)) & FontStyle::All; });
    }
}

void TRichDocument::SetSelectionFormat(const TCharacterFormat& format) {
    ChangeFormat([&format](TCharacterFormat& f) { f = format; });
}

void TRichDocument::SetParagraphAlignment(TAlignment alignment) {
    m_paragraphs[ParagraphAt(m_selectionStart)].Alignment = alignment;
}

void TRichDocument::SetFirstLineIndent(std::int32_t points) {
    m_paragraphs[ParagraphAt(m_selectionStart)].FirstLineIndentTwips =
        static_cast<std::int32_t>(std::clamp<std::int64_t>(std::int64_t{points} * TwipsPerPoint, INT32_MIN, INT32_MAX));
}

void TRichDocument::KeepLastLineWithNext(TKeepWithNext keep) {
    if (m_paragraphs.size() > 1)
        m_paragraphs[m_paragraphs.size() - 2].KeepWithNext = keep;
}

void TRichDocument::Reserve(std::size_t characters) {
    constexpr std::size_t CharactersPerLine = 24; // a line of a song, with its line end
    const std::size_t lines = characters / CharactersPerLine;
    m_text.reserve(m_text.size() + characters);
    m_paragraphs.reserve(m_paragraphs.size() + lines);
    m_marks.reserve(m_marks.size() + lines);
    m_runs.reserve(m_runs.size() + lines);
}

void TRichDocument::SelectWholeDocument() {
    m_selectionStart = 0;
    m_selectionLength = m_text.size();
}

void TRichDocument::DeleteSelection() {
    const std::size_t start = m_selectionStart;
    const std::size_t end = start + m_selectionLength;
    if (end == start)
        return;
    // The paragraphs whose marks go merge into the first one, which keeps its format.
    const std::size_t first = ParagraphAt(start);
    const std::size_t marks = ParagraphAt(end) - first;
    m_paragraphs.erase(m_paragraphs.begin() + static_cast<std::ptrdiff_t>(first + 1),
                       m_paragraphs.begin() + static_cast<std::ptrdiff_t>(first + 1 + marks));
    const auto gone = m_marks.erase(m_marks.begin() + static_cast<std::ptrdiff_t>(first),
                                    m_marks.begin() + static_cast<std::ptrdiff_t>(first + marks));
    for (auto mark = gone; mark != m_marks.end(); ++mark)
        *mark -= static_cast<std::uint32_t>(end - start);
    SplitRunAt(start);
    SplitRunAt(end);
    std::erase_if(m_runs, [&](const TFormatRun& run) { return run.Start >= start && run.Start < end; });
    for (TFormatRun& run : m_runs) {
        if (run.Start >= end)
            run.Start -= end - start;
    }
    m_text.erase(start, end - start);
    MergeEqualRuns();
    m_selectionLength = 0;
    // An emptied document is a new one: what is rendered into it next must
    // not take the font or indent of what was there before.
    if (m_text.empty())
        *this = TRichDocument(m_pixelsPerInch);
}

void TRichDocument::SetSelectionStart(std::size_t position) {
    m_selectionStart = std::min(position, m_text.size());
    m_selectionLength = 0;
}

void TRichDocument::SetSelectionLength(std::size_t count) {
    m_selectionLength = std::min(count, m_text.size() - m_selectionStart);
}

void TRichDocument::SaveRichTextFile(const std::string& path) const {
    SaveRichTextFile(path, {});
}

std::string SaveFailureMessage(const std::string& path, const std::string& reason) {
    return "Failed to Save Stream: " + path + ": " + reason;
}

// The document written whole into the file that will replace path; null
// when the progress stopped it (the temporary goes with the TAtomicFile).
std::unique_ptr<TAtomicFile> TRichDocument::WriteRichTextFile(const std::string& path,
                                                              const TWriteProgress& progress) const {
    auto file = std::make_unique<TAtomicFile>(path);
    if (!file->Open())
        throw TDocumentError("Cannot create file " + path + ": " + file->FailureReason());
    bool written = true;
    if (!WriteRichText(
            *this, [&](std::string_view piece) { written = written && file->Write(piece); }, progress))
        return nullptr;
    if (!written)
        throw TDocumentError(SaveFailureMessage(path, file->FailureReason()));
    return file;
}

bool TRichDocument::SaveRichTextFile(const std::string& path, const TWriteProgress& progress) const {
    const std::unique_ptr<TAtomicFile> file = WriteRichTextFile(path, progress);
    if (!file)
        return false;
    if (!file->Commit())
        throw TDocumentError(SaveFailureMessage(path, file->FailureReason()));
    return true;
}

void TRichDocument::SaveRichTextFile(const std::string& path, TAtomicFileBatch& batch) const {
    batch.Add(WriteRichTextFile(path, {}));
}
