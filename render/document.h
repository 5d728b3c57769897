#pragma once

#include "render/font.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

class TAtomicFile;
class TAtomicFileBatch;

enum class TAlignment { Left, Center };

// Lengths in documents are in twips, twentieths of a point.
constexpr std::int32_t TwipsPerPoint = 20;
constexpr std::int32_t TwipsPerInch = 72 * TwipsPerPoint;
constexpr double PointsFromTwips(std::int32_t twips) {
    return twips / double{TwipsPerPoint};
}

// How far a long write is, in paragraphs written; false stops it.
using TWriteProgress = std::function<bool(std::size_t paragraphsWritten)>;

enum class TFontAttribute { Charset, Color, Height, Name, Pitch, Size, Style };
using TAttributeValue = std::variant<std::int64_t, std::string>;

// The character format of a stretch of text, as it will be shown, saved and printed.
struct TCharacterFormat {
    std::uint8_t Charset = 1;
    bool AutomaticColor = true; // follows the viewer's text colour
    TColor Rgb = 0;             // when not automatic
    std::string FaceName = "Times New Roman";
    std::int32_t SizeTwips = 200; // twentieths of a point
    std::int32_t Style = 0;       // the TFont style bits

    // The lines of a song differ mostly in style or size: those are compared first, the face last.
    bool operator==(const TCharacterFormat& other) const {
        return Style == other.Style && SizeTwips == other.SizeTwips && Rgb == other.Rgb &&
               AutomaticColor == other.AutomaticColor && Charset == other.Charset && FaceName == other.FaceName;
    }
};

// What holds a paragraph on the same page as the one after it.
enum class TKeepWithNext : std::uint8_t {
    No,
    Always, // a chord line and the text under it
    Verse,  // a line of a verse and the next: together when verses are kept together and the verse fits a page
    Header, // a song's header and its first line: together when verses are kept together
};

struct TParagraphFormat {
    TAlignment Alignment = TAlignment::Left;
    std::int32_t FirstLineIndentTwips = 0;
    TKeepWithNext KeepWithNext = TKeepWithNext::No;

    bool operator==(const TParagraphFormat&) const = default;
};

// Left, top, right, bottom in printer pixels; all zero means the whole printable area.
struct TRect {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Right = 0;
    std::int32_t Bottom = 0;

    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    bool operator==(const TRect&) const = default;
};

struct TFormatRun {
    std::size_t Start; // character position where the format begins
    TCharacterFormat Format;
};

// A rich-text document: text in code page 1250 whose paragraphs end in a
// paragraph mark (one character, '\r'), with character formats in runs and
// one paragraph format per paragraph. The last paragraph has no mark; an
// empty document is one empty paragraph. Positions count characters.
class TRichDocument {
public:
    // Heights are turned into sizes at the given resolution (that of the screen the fonts were loaded for).
    explicit TRichDocument(int pixelsPerInch) : m_pixelsPerInch(pixelsPerInch) {}

    // Appends the text and a paragraph mark; the caret ends up after them.
    void AppendLine(std::string_view text);
    // One attribute of the selection, or, at an empty selection, of the text inserted next.
    void SetSelectionAttribute(TFontAttribute attribute, const TAttributeValue& value);
    // Every attribute at once: what setting each of them to the format's value does.
    void SetSelectionFormat(const TCharacterFormat& format);
    // For the paragraph at the caret and those appended after it.
    void SetParagraphAlignment(TAlignment alignment);
    void SetFirstLineIndent(std::int32_t points);
    // Ties the last line appended to the next one; a new line starts untied.
    void KeepLastLineWithNext(TKeepWithNext keep);

    // Room for about this many more characters, so that a songbook made
    // line by line is not copied to a bigger place over and over.
    void Reserve(std::size_t characters);

    void SelectWholeDocument();
    // Deleting everything leaves the document as a new one, formats included.
    void DeleteSelection();
    std::size_t GetSelectionStart() const { return m_selectionStart; }
    std::size_t GetSelectionLength() const { return m_selectionLength; }
    void SetSelectionStart(std::size_t position);
    void SetSelectionLength(std::size_t count);

    // Writes the whole document as Rich Text, whatever the extension. The
    // file is replaced only once the new one is complete: stopped by the
    // progress (false), the old file stays as it was.
    void SaveRichTextFile(const std::string& path) const;
    bool SaveRichTextFile(const std::string& path, const TWriteProgress& progress) const;
    // The same, but the file takes its name when the batch commits.
    void SaveRichTextFile(const std::string& path, TAtomicFileBatch& batch) const;

    TRect PrintRect;

    const std::string& Text() const { return m_text; }
    const std::vector<TFormatRun>& Runs() const { return m_runs; }
    const std::vector<TParagraphFormat>& Paragraphs() const { return m_paragraphs; }
    // Where the mark of each paragraph but the last stands, in order: a
    // walk over the paragraphs need not look for them in the text.
    const std::vector<std::uint32_t>& MarkPositions() const { return m_marks; }
    const TCharacterFormat& InsertionFormat() const { return m_insertionFormat; }

private:
    std::size_t ParagraphAt(std::size_t position) const;
    void SplitRunAt(std::size_t position);
    void MergeEqualRuns();
    template <class Change> void ChangeFormat(Change change);
    std::unique_ptr<TAtomicFile> WriteRichTextFile(const std::string& path, const TWriteProgress& progress) const;

    int m_pixelsPerInch;
    std::string m_text;
    std::vector<TFormatRun> m_runs;
    std::vector<TParagraphFormat> m_paragraphs{TParagraphFormat{}};
    std::vector<std::uint32_t> m_marks;
    TCharacterFormat m_insertionFormat;
    std::size_t m_selectionStart = 0;
    std::size_t m_selectionLength = 0;
};

class TDocumentError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What a save that could not write or replace the file says.
std::string SaveFailureMessage(const std::string& path, const std::string& reason);
