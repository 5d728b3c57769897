#pragma once

#include "render/document.h"

#include <QMimeData>
#include <memory>

// The clipboard's copy of a document, in Rich Text (under every name word
// processors look for), HTML and plain text, each made only when a program
// asks for it: a songbook of a hundred thousand songs would otherwise cost
// seconds and a gigabyte before anyone pastes.
class TDocumentMimeData : public QMimeData {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TDocumentMimeData)

public:
    explicit TDocumentMimeData(TRichDocument document);

    QStringList formats() const override;
    bool hasFormat(const QString& mimeType) const override;

protected:
    QVariant retrieveData(const QString& mimeType, QMetaType type) const override;

private:
    TRichDocument m_document;
    mutable QByteArray m_richText; // one copy for every Rich Text name
};
