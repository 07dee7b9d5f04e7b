#include "print/Hub3aBarcodeCheck.h"

#include "model/Hub3aPayload.h"
#include "model/Hub3aRules.h"
#include "model/UserError.h"
#include "print/BarcodeReadBack.h"
#include "render/Hub3aForm.h"
#include "render/PaintHub3a.h"

#include <QPainter>
#include <QTransform>

QImage printedBarcodeCell(const QByteArray &payload, double dotsPerInch)
{
    using namespace Hub3aForm;
    constexpr double margin = 1.0;
    const double dotsPerMm = dotsPerInch / 25.4;
    QImage image(qRound((barcodeRight - barcodeLeft + 2 * margin) * dotsPerMm),
                 qRound((barcodeBottom - barcodeTop + 2 * margin) * dotsPerMm), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dotsPerMm * 1000));
    image.setDotsPerMeterY(qRound(dotsPerMm * 1000));
    image.fill(Qt::white);
    QPainter painter(&image);
    // The cell keeps its place on the slip relative to the device's dot grid.
    const QTransform mmToImage =
        QTransform::fromTranslate((margin - barcodeLeft) * dotsPerMm, (margin - barcodeTop) * dotsPerMm)
            .scale(dotsPerMm, dotsPerMm);
    paintHub3aBarcode(painter, mmToImage, payload);
    return image;
}

void checkPrintedBarcode(const QByteArray &payload, double dotsPerInch)
{
    requireBarcodeReadsBack(printedBarcodeCell(payload, dotsPerInch), payload);
}

std::optional<QString> hub3aBarcodeProblem(const Hub3aRecord &record, PrintMode mode,
                                           const QList<int> &dotsPerInch)
{
    if (mode == PrintMode::Template)
        return std::nullopt;
    if (const QString problem = hub3aSlipIbanProblem(record[Hub3aField::RecipientIban]); !problem.isEmpty())
        return hub3aField(Hub3aField::RecipientIban).label() + QStringLiteral(": ") + problem;
    const std::optional<QByteArray> payload = hub3aPayloadBytes(record);
    if (!payload)
        return hub3aFieldProblem(Hub3aField::Amount, record[Hub3aField::Amount]); // the amount is no amount
    try {
        for (const int dots : dotsPerInch)
            checkPrintedBarcode(*payload, dots);
    } catch (const UserError &e) {
        return e.text();
    }
    return std::nullopt;
}

void requireHub3aBarcodeReadsBack(const Hub3aRecord &record, PrintMode mode, const QList<int> &dotsPerInch)
{
    if (const std::optional<QString> problem = hub3aBarcodeProblem(record, mode, dotsPerInch))
        throw UserError(*problem);
}
