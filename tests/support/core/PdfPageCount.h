#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QString>

// The pages of a PDF as pdfinfo counts them, or -1 when it cannot read the file.
inline int pdfPages(const QString &pdf)
{
    QProcess pdfinfo;
    pdfinfo.start(QStringLiteral("pdfinfo"), {pdf});
    if (!pdfinfo.waitForFinished(600'000) || pdfinfo.exitCode() != 0)
        return -1;
    const QRegularExpressionMatch pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                                              .match(QString::fromUtf8(pdfinfo.readAllStandardOutput()));
    return pages.hasMatch() ? pages.captured(1).toInt() : -1;
}
