#include "PreviewPicture.h"

#include "TextFile.h"
#include "UserError.h"
#include "ZorPrint.h"

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

class PreviewPicture : public QObject
{
public:
    PreviewPicture(QWidget &box, QString path) : QObject(&box), m_box(box), m_path(std::move(path))
    {
        box.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_queued) {
            m_queued = true;
            // After this paint, and after anything queued before it such as the opening of files.
            QMetaObject::invokeMethod(this, &PreviewPicture::writeAndQuit, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void writeAndQuit()
    {
        try {
            TextFile::writeOutput(m_path, pngOf(m_box));
            QCoreApplication::exit(0);
        } catch (const UserError &e) {
            QTextStream(stderr) << m_path << ": " << e.text() << '\n';
            QCoreApplication::exit(1);
        }
    }

    QWidget &m_box;
    QString m_path;
    bool m_queued = false;
};

} // namespace

void writePreviewPictureWhenAsked(TForm1 &window)
{
    const QString path = qEnvironmentVariable("ZORPRINT_PREVIEW_PICTURE");
    if (path.isEmpty())
        return;
    const char *box = window.activeKind() == SlipKind::Uplatnica ? "PaintBox1" : "PaintBox2";
    new PreviewPicture(*window.findChild<QWidget *>(QLatin1StringView(box)), path);
}
