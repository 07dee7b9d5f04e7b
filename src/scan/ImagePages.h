#pragma once

#include "scan/DocumentPages.h"

#include <QImageReader>

// The frames of an image file (PNG, JPEG, TIFF, BMP), read with Qt's image readers, JPEG turned by
// its orientation tag.
class ImagePages : public DocumentPages
{
public:
    explicit ImagePages(const QString &path); // throws UserError

    int pageCount() const override { return m_count; }
    bool cut() const override { return m_cut; }
    QImage page(int index, int dpi) override;
    QString failure() const override { return m_failure; }

private:
    // Frame index brought down to at most pixels, in grey; null with m_failure set when it cannot be read.
    QImage readFrame(int index, qint64 pixels);

    QString m_path;
    int m_count = 1;
    bool m_cut = false;
    QString m_failure;
    int m_frameRead = -1;
    qint64 m_framePixels = 0;
    bool m_frameWhole = false; // the frame read is the whole picture, not brought down
    QImage m_frame;
};
