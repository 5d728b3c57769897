#include "shell/documentmimedata.h"

#include "render/htmlwriter.h"
#include "render/plaintextwriter.h"
#include "render/rtfwriter.h"
#include "shell/systemformats.h"

namespace {

// The rich-text formats that word processors read from the clipboard.
const QStringList RichTextFormats =
    QStringList{"text/rtf", "text/richtext", "application/rtf"} + SystemRichTextFormats();

const QString Html = "text/html";
const QString Plain = "text/plain";

} // namespace

TDocumentMimeData::TDocumentMimeData(TRichDocument document) : m_document(std::move(document)) {}

QStringList TDocumentMimeData::formats() const {
    return RichTextFormats + QStringList{Html, Plain};
}

bool TDocumentMimeData::hasFormat(const QString& mimeType) const {
    return formats().contains(mimeType);
}

QVariant TDocumentMimeData::retrieveData(const QString& mimeType, QMetaType) const {
    if (RichTextFormats.contains(mimeType)) {
        if (m_richText.isNull()) { // written straight into the bytes that are handed out: one copy only
            m_richText.reserve(static_cast<qsizetype>(3 * m_document.Text().size() + 256));
            WriteRichText(m_document, [this](std::string_view piece) {
                m_richText.append(piece.data(), static_cast<qsizetype>(piece.size()));
            });
        }
        return m_richText;
    }
    if (mimeType == Html)
        return QString::fromStdString(HtmlText(m_document));
    if (mimeType == Plain)
        return QString::fromStdString(PlainText(m_document));
    return {};
}
