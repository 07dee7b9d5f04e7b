#pragma once

#include <QImage>
#include <QString>

#include <atomic>
#include <memory>

// The pages of a document as pictures: the pages of a PDF or the frames of an image file.
class DocumentPages
{
public:
    virtual ~DocumentPages() = default;

    // Opens a PDF (by its first bytes) or an image file. Throws UserError with a Croatian message when
    // the file cannot be read, is locked or an image is over the pixel budget.
    static std::unique_ptr<DocumentPages> open(const QString &path);

    // Pages to read: at most ScanLimits::maxPages.
    virtual int pageCount() const = 0;
    // True when the file has more pages than are read.
    virtual bool cut() const = 0;
    // Page index (from 0) as a picture: a PDF page at dpi (lowered to fit the pixel budget), an
    // image's frame at its own size, or doubled when dpi asks for more than the first look and the
    // budget allows. A null image when the page cannot be drawn (the reason in failure()).
    virtual QImage page(int index, int dpi) = 0;
    virtual QString failure() const = 0;

    // Set from another thread to stop a page's rendering early.
    void setCancel(const std::atomic_bool *cancel) { m_cancel = cancel; }

protected:
    const std::atomic_bool *m_cancel = nullptr;
};
