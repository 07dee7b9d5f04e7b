#pragma once

#include "scan/DocumentPages.h"

#include <memory>

namespace Poppler {
class Document;
}

// The pages of a PDF, rendered by Poppler.
class PdfPages : public DocumentPages
{
public:
    explicit PdfPages(const QString &path); // throws UserError
    ~PdfPages() override;

    int pageCount() const override;
    bool cut() const override;
    QImage page(int index, int dpi) override;
    QString failure() const override { return m_failure; }
    QList<EmbeddedDocument> embeddedXml() const override;

private:
    std::unique_ptr<Poppler::Document> m_document;
    QString m_failure;
};
