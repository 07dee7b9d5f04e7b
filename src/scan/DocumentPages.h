#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <utility>

// A file carried inside a document: its name and bytes.
struct EmbeddedDocument
{
    QString name;
    QByteArray bytes;
};

// The pages of a document as pictures: the pages of a PDF or the frames of an image file.
class DocumentPages
{
public:
    virtual ~DocumentPages() = default;

    // Opens a PDF (by its first bytes) or an image file. Throws UserError with a Croatian message when
    // the file is missing or not a regular file (a pipe or a device, which would keep the reader
    // waiting), cannot be read, is locked or an image is over the pixel budget.
    static std::unique_ptr<DocumentPages> open(const QString &path);

    // Pages to read: at most ScanLimits::maxPages.
    virtual int pageCount() const = 0;
    // True when the file has more pages than are read.
    virtual bool cut() const = 0;
    // Page index (from 0) as a picture: a PDF page at dpi (lowered to fit the pixel budget), an
    // image's frame at its own size brought down to ScanLimits::firstLookPixels (fineLookPixels when
    // dpi asks for more than the first look), a small one doubled for the second look. A null image
    // when the page cannot be drawn (the reason in failure()).
    virtual QImage page(int index, int dpi) = 0;
    virtual QString failure() const = 0;
    // The XML files the document carries (a PDF's embedded files), at most
    // ScanLimits::mostEmbeddedFiles of ScanLimits::largestEmbeddedFile bytes each.
    virtual QList<EmbeddedDocument> embeddedXml() const { return {}; }

    // cancel (set from another thread) and the file's deadline (true once it has passed) stop a
    // page's drawing early.
    void setLimits(const std::atomic_bool *cancel, std::function<bool()> deadlinePassed)
    {
        m_cancel = cancel;
        m_deadlinePassed = std::move(deadlinePassed);
    }
    bool stopped() const
    {
        return (m_cancel && m_cancel->load()) || (m_deadlinePassed && m_deadlinePassed());
    }

protected:
    const std::atomic_bool *m_cancel = nullptr;
    std::function<bool()> m_deadlinePassed;
};
