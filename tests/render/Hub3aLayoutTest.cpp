#include "FileBytes.h"
#include "LayoutRecording.h"
#include "model/Hub3aPayload.h"
#include "model/SlipFile.h"
#include "render/PaintHub3a.h"
#include "render/RecordingSurface.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr Color redInk = 0xF14729;
constexpr int charWidth = 200; // every character 2 mm wide
constexpr int boxedHeight = 360;

Hub3aRecord dataFile(const char *name)
{
    const QByteArray bytes = testDataBytes((std::string("hub3a/") + name).c_str());
    EXPECT_FALSE(bytes.isEmpty()) << name;
    return SlipFile::hub3aFromBytes(bytes).value_or(Hub3aRecord());
}

LayoutRecording blankForm()
{
    LayoutRecording rec(charWidth);
    PaintHub3a(rec.surface, PrintMode::Template, Hub3aRecord());
    return rec;
}

std::vector<RecordedOp> paint(PrintMode mode, const Hub3aRecord &record)
{
    FixedTextMeasure measure(charWidth);
    RecordingSurface surface(measure);
    PaintHub3a(surface, mode, record);
    return surface.ops();
}

// The data texts in drawing order.
std::vector<RecordedOp> dataTexts(const std::vector<RecordedOp> &ops)
{
    std::vector<RecordedOp> texts;
    std::copy_if(ops.begin(), ops.end(), std::back_inserter(texts), [](const RecordedOp &op) {
        return op.kind == OpKind::TextOut && op.state.font.color == clBlack;
    });
    return texts;
}

TEST(PaintHub3a, FramesRulesAndPerforationWhereTheFormHasThem)
{
    const LayoutRecording rec = blankForm();
    const struct
    {
        int x1, y1, x2, y2, width;
    } lines[] = {
        {518, 418, 14781, 418, 35},    {14781, 418, 14781, 8192, 35},  {14781, 8192, 518, 8192, 35},
        {15218, 418, 20782, 418, 35},  {20782, 418, 20782, 8192, 35},  {500, 5518, 14781, 5518, 35},
        {4873, 404, 4873, 2425, 35},   {6400, 5530, 6400, 8210, 18},   {10700, 5500, 10700, 8210, 18},
        {8250, 4309, 14691, 4309, 18}, {15200, 3809, 20800, 3809, 18}, {15000, 44, 15000, 9874, 18},
    };
    for (const auto &l : lines)
        EXPECT_TRUE(rec.hasLine(l.x1, l.y1, l.x2, l.y2, l.width))
            << l.x1 << ',' << l.y1 << ' ' << l.x2 << ',' << l.y2;
}

TEST(PaintHub3a, BoxesWhereTheFormHasThem)
{
    const LayoutRecording rec = blankForm();
    const int boxes[][4] = {
        {5902, 529, 6284, 911},     {7597, 524, 8595, 1006},    {9619, 518, 14691, 1000},
        {7597, 1126, 14691, 1608},  {5228, 1918, 6582, 2400},   {7256, 1918, 14691, 2400},
        {7597, 2526, 14691, 3008},  {5228, 3326, 6582, 3809},   {7256, 3326, 14691, 3809},
        {5217, 4236, 6571, 4718},   {5217, 5044, 7911, 5526},   {8259, 3909, 14691, 5509},
        {15309, 518, 20691, 1000},  {15309, 1125, 20691, 1607}, {15309, 1926, 20691, 2408},
        {15309, 2526, 20691, 3009}, {15309, 3326, 20691, 3808}, {15309, 3944, 20691, 5526},
    };
    for (const auto &b : boxes)
        EXPECT_TRUE(rec.hasRectangle(b[0], b[1], b[2], b[3])) << b[0] << ',' << b[1];
}

TEST(PaintHub3a, EveryCaptionInRedInk)
{
    const auto ops = paint(PrintMode::Template, Hub3aRecord());
    QStringList captions;
    for (const RecordedOp &op : ops) {
        if (op.kind == OpKind::TextOut) {
            EXPECT_EQ(op.state.font.color, redInk) << op.text.toStdString();
            captions.append(op.text);
        }
    }
    for (const char16_t *text :
         {u"NALOG ZA NACIONALNA PLAĆANJA", u"PLATITELJ", u"PRIMATELJ", u"Iznos:", u"Šifra namjene:",
          u"Datum izvršenja:", u"Potpis korisnika PU", u"IBAN (račun) platitelja ili Platitelj:", u"Ovjera"})
        EXPECT_TRUE(captions.contains(QString::fromUtf16(text))) << QString::fromUtf16(text).toStdString();
    EXPECT_EQ(captions.size(), 31);
    const auto formName = std::find_if(ops.begin(), ops.end(),
                                       [](const RecordedOp &op) { return op.text == u"Obr. HUB 3A"_s; });
    ASSERT_NE(formName, ops.end());
    EXPECT_EQ(formName->state.font.orientation, 900);
    EXPECT_EQ(formName->y, 8206);
    EXPECT_TRUE(std::all_of(ops.begin(), ops.end(), [&](const RecordedOp &op) {
        return &op == &*formName || op.state.font.orientation == 0;
    }));
}

TEST(PaintHub3a, BoxedDataOneCharacterCentredInEachCell)
{
    const auto texts = dataTexts(paint(PrintMode::DataOnly, dataFile("full.txt")));
    const auto cellsOf = [&](int baseline) {
        std::vector<RecordedOp> row;
        for (const RecordedOp &op : texts) {
            if (op.state.font.height == boxedHeight && op.y == baseline - 265)
                row.push_back(op);
        }
        return row;
    };
    const struct
    {
        const char *what;
        double x0, x1, bottom;
        int cells, firstCell;
        QString text;
    } rows[] = {
        {"amount, right-aligned after =", 96.19, 146.91, 10.00, 15, 8, u"=123456"_s},
        {"currency", 75.97, 85.95, 10.06, 3, 0, u"EUR"_s},
        {"payer IBAN", 75.97, 146.91, 16.08, 21, 0, u"HR7023400091510946338"_s},
        {"payer model and reference", 52.28, 65.82, 24.00, 4, 0, u"HR01"_s},
        {"recipient IBAN", 75.97, 146.91, 30.08, 21, 0, u"HR1210010051863000160"_s},
        {"purpose code", 52.17, 65.71, 47.18, 4, 0, u"OTHR"_s},
        {"execution date", 52.17, 79.11, 55.26, 8, 0, u"15012026"_s},
    };
    for (const auto &r : rows) {
        const int baseline = qRound((r.bottom - 0.90) * 100);
        std::vector<RecordedOp> row = cellsOf(baseline);
        std::erase_if(row, [&](const RecordedOp &op) { return op.x < r.x0 * 100 || op.x > r.x1 * 100; });
        ASSERT_EQ(row.size(), static_cast<size_t>(r.text.size())) << r.what;
        const double pitch = (r.x1 - r.x0) / r.cells;
        for (size_t i = 0; i < row.size(); ++i) {
            EXPECT_EQ(row[i].text, r.text.mid(static_cast<qsizetype>(i), 1)) << r.what;
            const double centre = (r.x0 + (r.firstCell + i + 0.5) * pitch) * 100;
            EXPECT_NEAR(row[i].x + charWidth / 2, centre, 1) << r.what << ' ' << i;
        }
    }
}

TEST(PaintHub3a, ReferencesStandLeftInTheirTwentyTwoCells)
{
    const auto texts = dataTexts(paint(PrintMode::DataOnly, dataFile("full.txt")));
    const auto first = std::find_if(texts.begin(), texts.end(), [](const RecordedOp &op) {
        return op.text == u"2" && op.y == qRound((38.09 - 0.90) * 100) - 265 && op.x > 7256;
    });
    ASSERT_NE(first, texts.end());
    EXPECT_NEAR(first->x + charWidth / 2, 7256 + 7435 / 22.0 / 2, 1);
}

TEST(PaintHub3a, StubRepeatsAmountAccountsReferencesAndDescription)
{
    QStringList stub;
    for (const RecordedOp &op : dataTexts(paint(PrintMode::Complete, dataFile("full.txt")))) {
        if (op.x > 15000)
            stub.append(op.text);
    }
    EXPECT_EQ(stub, (QStringList{u"EUR 1.234,56"_s, u"HR7023400091510946338"_s, u"HR01 102-3057-89016"_s,
                                 u"HR1210010051863000160"_s, u"HR00 2024-0815"_s,
                                 u"Donacija za hranu i lijekove"_s}));
}

TEST(PaintHub3a, ModesDrawFormDataAndBarcodeAsAsked)
{
    const Hub3aRecord record = dataFile("full.txt");
    const struct
    {
        PrintMode mode;
        bool red, black, barcode;
    } cases[] = {{PrintMode::Complete, true, true, true},
                 {PrintMode::Template, true, false, false},
                 {PrintMode::DataOnly, false, true, true}};
    for (const auto &c : cases) {
        const auto ops = paint(c.mode, record);
        const bool red = std::any_of(ops.begin(), ops.end(), [](const RecordedOp &op) {
            return op.state.pen.color == redInk || op.state.font.color == redInk;
        });
        const auto barcodes = std::count_if(ops.begin(), ops.end(),
                                            [](const RecordedOp &op) { return op.kind == OpKind::Barcode; });
        EXPECT_EQ(red, c.red);
        EXPECT_EQ(!dataTexts(ops).empty(), c.black);
        EXPECT_EQ(barcodes, c.barcode ? 1 : 0);
    }
}

TEST(PaintHub3a, TheBarcodeCellHoldsTheBarcodeNothingOrNeispravnoAsTheCallerSays)
{
    const Hub3aRecord record = dataFile("full.txt");
    const struct
    {
        Hub3aBarcodeCell cell;
        bool barcode, refused;
    } cases[] = {{Hub3aBarcodeCell::Barcode, true, false},
                 {Hub3aBarcodeCell::Empty, false, false},
                 {Hub3aBarcodeCell::Refused, false, true}};
    for (const auto &c : cases) {
        LayoutRecording rec(charWidth);
        PaintHub3a(rec.surface, PrintMode::Complete, record, c.cell);
        const auto &ops = rec.surface.ops();
        EXPECT_EQ(std::any_of(ops.begin(), ops.end(),
                              [](const RecordedOp &op) { return op.kind == OpKind::Barcode; }),
                  c.barcode);
        const auto refused = std::find_if(ops.begin(), ops.end(), [](const RecordedOp &op) {
            return op.kind == OpKind::TextOut && op.text == u"NEISPRAVNO";
        });
        ASSERT_EQ(refused != ops.end(), c.refused);
        if (c.refused) {
            EXPECT_EQ(refused->state.font.color, redInk);
            EXPECT_GT(refused->x, 536);
            EXPECT_LT(refused->x + refused->tw, 6391);
        }
    }
}

TEST(PaintHub3a, BarcodeInItsCellCarriesThePayload)
{
    for (const char *name : {"empty.txt", "full.txt", "limits.txt"}) {
        const Hub3aRecord record = dataFile(name);
        const auto ops = paint(PrintMode::Complete, record);
        const auto barcode = std::find_if(ops.begin(), ops.end(),
                                          [](const RecordedOp &op) { return op.kind == OpKind::Barcode; });
        ASSERT_NE(barcode, ops.end()) << name;
        EXPECT_EQ(barcode->payload, hub3aPayloadBytes(record)) << name;
        EXPECT_EQ(barcode->state.pen.color, clBlack);
        EXPECT_EQ(std::tie(barcode->x1, barcode->y1, barcode->x2, barcode->y2),
                  std::make_tuple(536, 5536, 6391, 8174));
    }
}

TEST(PaintHub3a, NoBarcodeAndNoAmountWithoutAValidAmount)
{
    Hub3aRecord record = dataFile("full.txt");
    record.set(Hub3aField::Amount, u"12.34"_s);
    const auto ops = paint(PrintMode::Complete, record);
    EXPECT_TRUE(std::none_of(ops.begin(), ops.end(), [](const RecordedOp &op) {
        return op.kind == OpKind::Barcode || op.text.startsWith(u"EUR ") || op.text == u"=";
    }));
}

TEST(PaintHub3a, LongNamesShrinkToEndBeforeTheColumnRule)
{
    RecordingSurface surface; // measured with the real fonts
    PaintHub3a(surface, PrintMode::DataOnly, dataFile("limits.txt"));
    int names = 0, shrunk = 0;
    for (const RecordedOp &op : dataTexts(surface.ops())) {
        if (op.x != 650)
            continue;
        ++names;
        EXPECT_LE(op.x + op.tw, 4800) << op.text.toStdString();
        shrunk += op.state.font.height < 315;
    }
    EXPECT_EQ(names, 6);
    EXPECT_GT(shrunk, 0);
}

} // namespace
