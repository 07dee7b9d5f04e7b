#include "ToolRun.h"
#include "print/BarcodeReadBack.h"

#include <QFile>
#include <QImage>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;

const QString hub3aDir = testDataPath("hub3a");

QImage pdfRaster(const QString &pdf, int dpi)
{
    const QString base = pdf + u"-"_s + QString::number(dpi);
    QProcess pdftoppm;
    pdftoppm.start(u"pdftoppm"_s,
                   {u"-r"_s, QString::number(dpi), u"-gray"_s, u"-png"_s, u"-singlefile"_s, pdf, base});
    pdftoppm.waitForFinished(60000);
    return QImage(base + u".png"_s);
}

// The barcode cell with 1 mm around it, from a picture of the whole slip.
QImage barcodeCell(const QImage &slip)
{
    const double perMm = slip.width() / 210.0;
    return slip.copy(QRectF(4.36 * perMm, 54.36 * perMm, 60.55 * perMm, 28.38 * perMm).toRect());
}

TEST(Hub3aRenderTool, RendersEachTestFileToPngPdfAndOpsWhoseBarcodeReadsBack)
{
    QTemporaryDir out;
    // The empty slip cannot pay: it is drawn only as a template (UnpayableSlipsTest).
    for (const char *name : {"full", "limits"}) {
        const QString slip = hub3aDir + u'/' + QLatin1StringView(name) + u".txt"_s;
        const ToolRun payload = render({slip, u"--payload"_s});
        ASSERT_EQ(payload.status, 0) << name << payload.errors.toStdString();
        const QByteArray expected = payload.out.toUtf8();
        EXPECT_TRUE(expected.startsWith("HRVHUB30\nEUR\n")) << name;

        const QString base = out.filePath(QLatin1StringView(name));
        for (const QString &ext : {u".png"_s, u".pdf"_s, u".jsonl"_s})
            ASSERT_EQ(render({slip, u"-o"_s, base + ext}).status, 0) << name << ext.toStdString();

        const QImage png(base + u".png"_s);
        EXPECT_EQ(png.size(), QSize(1680, 792)) << name;
        EXPECT_EQ(readBarcodeBytes(barcodeCell(png)), expected) << name;
        for (const int dpi : {300, 600}) {
            const QImage raster = pdfRaster(base + u".pdf"_s, dpi);
            // The PDF writer keeps page sizes in whole points: 210 x 99 mm within half a point.
            EXPECT_NEAR(raster.width(), 210 / 25.4 * dpi, dpi / 144.0 + 1) << name;
            EXPECT_NEAR(raster.height(), 99 / 25.4 * dpi, dpi / 144.0 + 1) << name;
            EXPECT_EQ(readBarcodeBytes(barcodeCell(raster)), expected) << name << ' ' << dpi;
        }

        const QList<QJsonObject> ops = readOps(base + u".jsonl"_s);
        const auto barcode = std::find_if(ops.begin(), ops.end(),
                                          [](const QJsonObject &op) { return op[u"op"] == u"Barcode"_s; });
        ASSERT_NE(barcode, ops.end()) << name;
        EXPECT_EQ((*barcode)[u"payload"].toString(), payload.out) << name;
        EXPECT_EQ((*barcode)[u"x1"].toInt(), 536);
        EXPECT_EQ((*barcode)[u"y2"].toInt(), 8174);
    }
}

TEST(Hub3aRenderTool, OpsAreHundredthsOfAMillimetreFromTheSlipsCorner)
{
    QTemporaryDir out;
    const QString ops = out.filePath(u"slip.jsonl"_s);
    ASSERT_EQ(render({hub3aDir + u"/full.txt"_s, u"-o"_s, ops}).status, 0);
    int frameCorners = 0;
    for (const QJsonObject &op : readOps(ops)) {
        // The order part's frame ends at 147.81 x 81.92 mm.
        if (op[u"op"] == u"LineTo"_s && op[u"x"].toInt() == 14781 && op[u"y"].toInt() == 8192)
            ++frameCorners;
    }
    EXPECT_EQ(frameCorners, 1);
}

TEST(Hub3aRenderTool, SizeAndModeAndRefusals)
{
    QTemporaryDir out;
    const QString slip = hub3aDir + u"/full.txt"_s;
    ASSERT_EQ(render({slip, u"--size"_s, u"840x396"_s, u"-o"_s, out.filePath(u"s.png"_s)}).status, 0);
    EXPECT_EQ(QImage(out.filePath(u"s.png"_s)).size(), QSize(840, 396));

    const QString data = out.filePath(u"d.jsonl"_s);
    ASSERT_EQ(render({slip, u"--style"_s, u"print"_s, u"--mode"_s, u"data"_s, u"-o"_s, data}).status, 0);
    for (const QJsonObject &op : readOps(data))
        EXPECT_NE(op[u"op"].toString(), u"Rectangle"_s);

    // A picture of every form keeps to the same limits, refused at once rather than drawn for minutes.
    const ToolRun huge = render({slip, u"--size"_s, u"32000x32000"_s, u"-o"_s, out.filePath(u"h.png"_s)});
    EXPECT_EQ(huge.status, 2);
    EXPECT_TRUE(huge.errors.contains(u"too large"_s)) << huge.errors.toStdString();
    EXPECT_FALSE(QFile::exists(out.filePath(u"h.png"_s)));

    EXPECT_EQ(render({slip, u"--payload"_s, u"-o"_s, data}).status, 2);
    const ToolRun old = render({testDataPath("uplatnica-full.txt"), u"--payload"_s});
    EXPECT_EQ(old.status, 2);
    EXPECT_TRUE(old.errors.contains(u"--payload reads HUB-3A slip files"_s));
}

TEST(Hub3aRenderTool, ChecksTheIbansAndReferencesOfAHub3aFile)
{
    const ToolRun full = render({hub3aDir + u"/full.txt"_s, u"--check"_s});
    EXPECT_EQ(full.status, 0) << full.out.toStdString();
    EXPECT_EQ(full.out.count(u"\"valid\":true"_s), 6) << full.out.toStdString(); // with name and amount
    EXPECT_TRUE(full.out.contains(u"\"value\":\"HR00 2024-0815\""_s));

    QTemporaryDir dir;
    const QString wrong = dir.filePath(u"wrong.txt"_s);
    ASSERT_TRUE(
        writeFileBytes(wrong, "TIP=HUB3A\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\nHR1210010051863000161\r\n"));
    const ToolRun checked = render({wrong, u"--check"_s});
    EXPECT_EQ(checked.status, 1);
    EXPECT_TRUE(checked.out.contains(u"\"field\":\"recipientAccount\""_s)) << checked.out.toStdString();
}

TEST(Hub3aRenderTool, AnEmptyRequiredFieldFailsTheCheckAndAFieldBreakingItsRulesIsBadInput)
{
    QTemporaryDir dir;
    const auto slipFile = [&](const char *name, const QByteArray &recipientIban, const QByteArray &amount) {
        const QString path = dir.filePath(QLatin1StringView(name));
        EXPECT_TRUE(writeFileBytes(path, "TIP=HUB3A\r\n\r\n\r\n\r\nUdruga\r\n\r\n\r\n\r\n\r\n\r\n" +
                                             recipientIban + "\r\n\r\n\r\n\r\n\r\n" + amount +
                                             "\r\n\r\n\r\n"));
        return path;
    };
    const ToolRun noIban = render({slipFile("noiban.txt", "", "1,00"), u"--check"_s});
    EXPECT_EQ(noIban.status, 1);
    EXPECT_TRUE(noIban.out.contains(u"{\"field\":\"recipientAccount\",\"value\":\"\",\"valid\":false,"
                                    u"\"message\":\"IBAN primatelja je obavezan\""_s))
        << noIban.out.toStdString();

    const QString letterO = slipFile("letter-o.txt", "HR1210010051863000160", "2O,00");
    for (const QStringList &options : {QStringList{u"--payload"_s}, QStringList{u"--check"_s},
                                       QStringList{u"-o"_s, dir.filePath(u"o.png"_s)}}) {
        const ToolRun run = render(QStringList{letterO} + options);
        EXPECT_EQ(run.status, 2) << options.join(u' ').toStdString();
        EXPECT_TRUE(run.errors.contains(u"iznos: Iznos nije iznos u eurima u obliku 1.234,56"_s))
            << run.errors.toStdString();
    }
    EXPECT_FALSE(QFile::exists(dir.filePath(u"o.png"_s)));
}

} // namespace
