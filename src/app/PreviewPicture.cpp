#include "app/PreviewPicture.h"

#include "app/PreviewBox.h"
#include "model/TextFile.h"
#include "model/UserError.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QPixmap>
#include <QTextStream>

#include <cstdio>

namespace {

QByteArray pngOf(QWidget &box)
{
    const QImage picture = box.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "PNG"))
        throw UserError(QStringLiteral("the PNG image could not be encoded"));
    return bytes;
}

// Watches the window's previews; the first one to paint is the shown one.
class PreviewPicture : public QObject
{
public:
    PreviewPicture(QWidget &window, QString path) : QObject(&window), m_path(std::move(path))
    {
        for (PreviewBox *box : window.findChildren<PreviewBox *>())
            box->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_box == nullptr) {
            m_box = static_cast<QWidget *>(watched);
            // After this paint, and after anything queued before it such as the opening of files.
            QMetaObject::invokeMethod(this, &PreviewPicture::writeAndQuit, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void writeAndQuit()
    {
        try {
            TextFile::writeOutput(m_path, pngOf(*m_box));
            QCoreApplication::exit(0);
        } catch (const UserError &e) {
            QTextStream(stderr) << m_path << ": " << e.text() << '\n';
            QCoreApplication::exit(1);
        }
    }

    QString m_path;
    QWidget *m_box = nullptr;
};

} // namespace

void writePreviewPictureWhenAsked(QWidget &window)
{
    const QString path = qEnvironmentVariable("ZORPRINT_PREVIEW_PICTURE");
    if (!path.isEmpty())
        new PreviewPicture(window, path);
}
