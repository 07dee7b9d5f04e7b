#include "WindowFixture.h"

#include "Hub3aRecordOf.h"
#include "TypeText.h"
#include "app/Hub3aPartner.h"
#include "app/Hub3aTab.h"
#include "app/LineBox.h"
#include "app/PurposeCodeBox.h"
#include "model/SlipFile.h"
#include "partners/PartnerEntry.h"
#include "payments/Hub3aChecks.h"
#include "render/Hub3aForm.h"
#include "ui/Hub3aControlTable.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QClipboard>
#include <QImage>

namespace {

using F = Hub3aField;
using namespace Qt::StringLiterals;

class Hub3aTabTest : public WindowFixture
{
protected:
    Hub3aTab &tab() { return window->hub3a(); }
    QString hub(F field) { return tab().text(field); }
    // The line box holding field; the purpose code's is the editor of its combo box.
    LineBox *box(F field)
    {
        if (field == F::PurposeCode)
            return static_cast<LineBox *>(child<QComboBox>("Hub3aPurpose")->lineEdit());
        return child<LineBox>(hub3aControlOf(field).data());
    }
    void selectHub3aTab() { child<QTabWidget>("PageControl1")->setCurrentWidget(child("Hub3aPage")); }
    bool hub3aTabShown() { return window->activeKind() == FormKind::Hub3a; }
};

TEST_F(Hub3aTabTest, TypingAndPastingKeepTheLimitAndTheRepertoireAndSayWhatWasDropped)
{
    const struct
    {
        F field;
        bool paste;
        const char16_t *input, *kept;
        const char16_t *status; // empty: the status bar keeps its title
    } cases[] = {
        {F::PayerName, false, u"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789", u"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123",
         u""},
        {F::RecipientName, true, u"Čćđšž ČĆĐŠŽ 1234567890123456789", u"Čćđšž ČĆĐŠŽ 1234567890123",
         u"Zalijepljeno je 25 od 31 znakova"},
        {F::RecipientStreet, true, u"Ilica_1234567890123456789012345", u"Ilica12345678901234567890",
         u"Polje ne prima znakove _: izostavljeni su. Zalijepljeno je 25 od 31 znakova"},
        {F::Description, true, u"Račun@2024#€ za ožujak", u"Račun2024 za ožujak",
         u"Polje ne prima znakove @ # €: izostavljeni su."},
        {F::Description, false, u"a_b", u"ab", u"Polje ne prima znakove _: izostavljeni su."},
        {F::RecipientPlace, true, u"Zagreb 😀 Ω", u"Zagreb  ",
         u"Polje ne prima znakove 😀 Ω: izostavljeni su."},
        {F::PayerIban, true, u"hr12 1001 0051 8630 0016 0", u"HR1210010051863000160",
         u"Polje ne prima znakove razmak: izostavljeni su."},
        {F::RecipientModel, false, u"hr001", u"HR00", u""},
        {F::RecipientReference, true, u"12/34-5", u"1234-5", u"Polje ne prima znakove /: izostavljeni su."},
        {F::PurposeCode, false, u"cost1", u"COST", u"Polje ne prima znakove 1: izostavljeni su."},
        {F::Amount, true, u"1.234,56 EUR", u"1.234,56",
         u"Polje ne prima znakove razmak E U R: izostavljeni su."},
        {F::ExecutionDate, false, u"15.01.2026", u"15012026", u"Polje ne prima znakove .: izostavljeni su."},
        {F::PayerPlace, true, u"10000\r\nZagreb", u"10000 Zagreb", u""},
    };
    selectHub3aTab();
    for (const auto &c : cases) {
        const QString input = QString::fromUtf16(c.input);
        LineBox *line = box(c.field);
        tab().setText(c.field, QString());
        child<QLabel>("TitlePanel")->clear();
        if (c.paste) {
            QApplication::clipboard()->setText(input);
            line->paste();
        } else {
            typeText(line, input);
        }
        QApplication::processEvents();
        EXPECT_EQ(hub(c.field), QString::fromUtf16(c.kept)) << input.toStdString();
        EXPECT_EQ(statusText(), QString::fromUtf16(c.status)) << input.toStdString();
    }
}

// The field's own hint follows every key, and a refused character is said after it and stays over
// the next keys' hints until the field is left, so the clerk sees why the key did nothing.
TEST_F(Hub3aTabTest, ARefusedCharacterIsSaidOverTheFieldsHintUntilTheFieldIsLeft)
{
    showActiveWindow();
    selectHub3aTab();
    tab().setText(F::RecipientModel, u"HR01"_s);
    LineBox *reference = box(F::RecipientReference);
    reference->setFocus();
    const QString refused = u"Polje ne prima znakove /: izostavljeni su."_s;
    typeText(reference, u"12/"_s);
    QApplication::processEvents();
    EXPECT_EQ(statusText(), refused) << "typed";
    QApplication::clipboard()->setText(u"3/4"_s);
    reference->paste();
    QApplication::processEvents();
    EXPECT_EQ(hub(F::RecipientReference), u"1234"_s);
    EXPECT_EQ(statusText(), refused) << "pasted with the text changing";
    typeText(reference, u"5"_s);
    QApplication::processEvents();
    EXPECT_EQ(statusText(), refused) << "the next key";
    box(F::RecipientIban)->setFocus();
    QApplication::processEvents();
    EXPECT_NE(statusText(), refused) << "the field left";
}

TEST_F(Hub3aTabTest, SavedSlipLoadsBackIntoTheTabWhichComesUp)
{
    const QString saved = path("nalog.txt");
    tab().setRecord(fullHub3aRecord());
    selectHub3aTab();
    dialogs.setNextFileName(saved);
    trigger("SaveUplatnica");
    ASSERT_TRUE(QFile::exists(saved));
    EXPECT_EQ(SlipFile::loadHub3a(saved)->texts, fullHub3aRecord().texts);

    click("Hub3aClear");
    EXPECT_EQ(tab().record().texts, Hub3aRecord().texts);
    EXPECT_FALSE(child<QCheckBox>("Hub3aUrgent")->isChecked());
    child<QTabWidget>("PageControl1")->setCurrentIndex(0);
    dialogs.setNextFileName(saved);
    trigger("Uitaj1");
    EXPECT_EQ(tab().record().texts, fullHub3aRecord().texts);
    EXPECT_TRUE(child<QCheckBox>("Hub3aUrgent")->isChecked());
    EXPECT_EQ(child<QComboBox>("Hub3aPurpose")->currentText(), u"OTHR"_s);
    EXPECT_TRUE(hub3aTabShown());
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(Hub3aTabTest, OlderFormsStillSaveFromTheirTabsAndUnknownFilesAreRefused)
{
    const QString saved = path("uplatnica.txt");
    tab().setRecord(fullHub3aRecord());
    child<QTabWidget>("PageControl1")->setCurrentIndex(0);
    dialogs.setNextFileName(saved);
    trigger("SaveUplatnica");
    ASSERT_TRUE(SlipFile::load(saved).has_value());
    EXPECT_FALSE(SlipFile::loadHub3a(saved).has_value());

    window->openFiles({writeFile(path("nepoznat.txt"), "TIP=HUB4\r\nIvana\r\n")});
    EXPECT_EQ(dialogs.messages, QStringList{SlipFile::loadErrorText()});
    EXPECT_EQ(tab().record().texts, fullHub3aRecord().texts);
    EXPECT_FALSE(hub3aTabShown());
}

TEST_F(Hub3aTabTest, StoredPayerComesBackWithDefaultAndNovo)
{
    Hub3aRecord stored = fullHub3aRecord();
    tab().setRecord(stored);
    click("Hub3aStorePayerDefaults");
    click("Hub3aClear");
    click("Hub3aLoadDefaults");
    const Hub3aRecord loaded = tab().record();
    const QList<F> payer{F::PayerName, F::PayerStreet, F::PayerPlace,
                         F::PayerIban, F::PayerModel,  F::PayerReference};
    for (const Hub3aFieldSpec &fieldEntry : hub3aFields()) {
        const F field = fieldEntry.field;
        EXPECT_EQ(loaded[field], payer.contains(field) ? stored[field] : QString()) << fieldEntry.key;
    }

    tab().setText(F::Description, u"Stari opis"_s);
    child<QTabWidget>("PageControl1")->setCurrentIndex(1);
    trigger("NewHub3a");
    EXPECT_TRUE(hub3aTabShown());
    EXPECT_EQ(hub(F::Description), QString());
    EXPECT_EQ(hub(F::PayerIban), stored[F::PayerIban]);

    // A second window over the same store starts with the stored payer.
    TForm1 second(WindowServices{store, partners, dialogs, clock});
    second.FormCreate();
    EXPECT_EQ(second.hub3a().text(F::PayerName), u"Ivana Horvat"_s);
    EXPECT_EQ(second.hub3a().text(F::PayerReference), u"102-3057-89016"_s);
}

TEST_F(Hub3aTabTest, PartnerPickFillsTheRecipient)
{
    const F recipient[] = {F::RecipientName, F::RecipientStreet, F::RecipientPlace,
                           F::RecipientIban, F::RecipientModel,  F::RecipientReference};
    const struct
    {
        const char16_t *name, *account, *reference;
        const char16_t *recipient; // the fields above in their order, separated by '|'
        const char16_t *status;
    } cases[] = {
        {u"HEP d.d.\r\nUlica grada Vukovara 37\r\n10000 Zagreb", u"HR1210010051863000160", u"HR01 1234-5",
         u"HEP d.d.|Ulica grada Vukovara 37|10000 Zagreb|HR1210010051863000160|HR01|1234-5", u""},
        {u"Vodovod\nSplit", u"HR12 1001 0051 8630 0016 0", u" 01 1234 5",
         u"Vodovod|Split||HR1210010051863000160|HR01|1234-5", u""},
        {u"Udruga\r\nA\r\nB\r\nC", u"2340009-1510946338", u"HR00 99",
         u"Udruga|A|B C|HR7023400091510946338|HR00|99", u"račun 2340009-1510946338 → HR7023400091510946338"},
        {u"Nepoznat", u"30101-601-25434", u"12345", u"Nepoznat||||HR99|12345",
         u"nije preuzeto: račun primatelja"},
    };
    selectHub3aTab();
    for (const auto &c : cases) {
        const QString name = QString::fromUtf16(c.name);
        SCOPED_TRACE(name.toStdString());
        tab().setText(F::RecipientModel, u"HR99"_s);
        tab().setText(F::PayerName, u"Ivana"_s);
        child<QLabel>("TitlePanel")->clear();
        partners.append(joinPartner(name, QString::fromUtf16(c.account), QString::fromUtf16(c.reference)));
        click("Hub3aPickRecipient");
        child<QListWidget>("ListBox1")->setCurrentRow(partners.count() - 1);
        click("SpeedButton12");
        const QStringList expected = QString::fromUtf16(c.recipient).split(u'|');
        ASSERT_EQ(expected.size(), 6);
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(hub(recipient[i]), expected.value(i)) << hub3aField(recipient[i]).key;
        EXPECT_EQ(hub(F::PayerName), u"Ivana"_s);
        EXPECT_EQ(statusText(), QString::fromUtf16(c.status));
    }
}

TEST_F(Hub3aTabTest, PrenesiFillsTheTabFromTheActiveOlderFormAndSaysWhat)
{
    const struct
    {
        int tab;
        std::vector<std::pair<const char *, const char16_t *>> fields;
        std::vector<std::pair<F, const char16_t *>> expected;
        const char16_t *summary; // shown in a message box, which fits any length
    } cases[] = {
        {0,
         {{"Memo1", u"Ivan Horvat\r\nIlica 1\r\n10000 Zagreb"},
          {"Memo2", u"Račun za struju"},
          {"Memo3", u"HEP d.d."},
          {"MaskEdit7", u"2340009-1510946338"},
          {"MaskEdit6", u" 01"},
          {"MaskEdit8", u"1234-5"},
          {"Edit3", u"1.234,56"}},
         {{F::PayerName, u"Ivan Horvat"},
          {F::PayerPlace, u"10000 Zagreb"},
          {F::RecipientName, u"HEP d.d."},
          {F::RecipientIban, u"HR7023400091510946338"},
          {F::RecipientModel, u"HR01"},
          {F::RecipientReference, u"1234-5"},
          {F::Description, u"Račun za struju"},
          {F::Amount, u"163,85"}},
         u"Preneseno u HUB-3A.\nračun 2340009-1510946338 → HR7023400091510946338\n1.234,56 kn = 163,85 EUR"},
        {1,
         {{"Nalogodavac", u"Firma d.o.o."},
          {"Racun1", u"30101-601-25434"},
          {"Racun2", u"HR1210010051863000160"},
          {"IznosZorvat", u"abc"}},
         {{F::PayerName, u"Firma d.o.o."},
          {F::PayerIban, u""},
          {F::RecipientIban, u"HR1210010051863000160"},
          {F::Amount, u""}},
         u"Preneseno u HUB-3A.\nNije preneseno: račun platitelja, iznos (abc nije iznos u kunama)"},
    };
    for (const auto &c : cases) {
        dialogs.messages.clear();
        tab().setRecord(fullHub3aRecord());
        child<QTabWidget>("PageControl1")->setCurrentIndex(c.tab);
        for (const auto &[control, value] : c.fields)
            set(control, QString::fromUtf16(value));
        trigger("TransferToHub3a");
        EXPECT_TRUE(hub3aTabShown());
        for (const auto &[field, value] : c.expected)
            EXPECT_EQ(hub(field), QString::fromUtf16(value)) << hub3aField(field).key;
        EXPECT_EQ(hub(F::Urgent), QString()) << "the transfer replaces the whole slip";
        EXPECT_EQ(dialogs.messages, QStringList{QString::fromUtf16(c.summary)});
        EXPECT_FALSE(child<QAction>("TransferToHub3a")->isEnabled());
    }
}

TEST_F(Hub3aTabTest, EveryFieldRepaintsThePreviewOnce)
{
    PaintCounter preview(child("Hub3aPreview"));
    showWindow();
    selectHub3aTab();
    for (const Hub3aFieldSpec &fieldEntry : hub3aFields()) {
        QApplication::processEvents();
        preview.count = 0;
        if (fieldEntry.field == F::Urgent) {
            QTest::mouseClick(child<QCheckBox>("Hub3aUrgent"), Qt::LeftButton, {}, QPoint(5, 9));
        } else {
            LineBox *line = box(fieldEntry.field);
            line->setFocus();
            typeText(line, fieldEntry.charset == Hub3aCharset::Purpose ? u"X"_s : u"1"_s);
        }
        QApplication::processEvents();
        EXPECT_EQ(preview.count, 1) << fieldEntry.key;
        EXPECT_FALSE(hub(fieldEntry.field).isEmpty()) << fieldEntry.key;

        preview.count = 0;
        tab().setText(fieldEntry.field, QString());
        QApplication::processEvents();
        EXPECT_EQ(preview.count, 1) << fieldEntry.key;
    }
    EXPECT_EQ(window->hub3aData().texts, Hub3aRecord().texts);
}

TEST_F(Hub3aTabTest, PaymentHintsMarkTheIbansAndReferencesWhileTheyAreTyped)
{
    const struct
    {
        F model; // set first, or Urgent for an account
        const char16_t *modelText;
        F field;
        const char16_t *typed;
        CheckStatus status;
        const char16_t *reason;
    } cases[] = {
        {F::Urgent, u"", F::PayerIban, u"HR1210010051863000160", CheckStatus::Valid, u"IBAN je ispravan"},
        {F::Urgent, u"", F::RecipientIban, u"HR1210010051863000161", CheckStatus::Invalid,
         u"IBAN nije ispravan (kontrolni broj)"},
        {F::Urgent, u"", F::RecipientIban, u"10010051863000160", CheckStatus::Invalid,
         u"stari račun nije IBAN; njegov IBAN je HR1210010051863000160"},
        {F::PayerModel, u"HR01", F::PayerReference, u"12345-678", CheckStatus::Invalid,
         u"kontrolni broj treba biti 9"},
        {F::RecipientModel, u"HR68", F::RecipientReference, u"8214-12345678903", CheckStatus::Valid,
         u"poziv na broj odgovara modelu HR68"},
    };
    showWindow();
    selectHub3aTab();
    for (const auto &c : cases) {
        const QByteArray control = hub3aControlOf(c.field).data();
        CheckMark *mark = checkMark(control.constData());
        if (c.model != F::Urgent)
            tab().setText(c.model, QString::fromUtf16(c.modelText));
        LineBox *line = box(c.field);
        line->clear();
        line->setFocus();
        typeText(line, QString::fromUtf16(c.typed));
        EXPECT_EQ(hub(c.field), QString::fromUtf16(c.typed)) << control.constData();
        EXPECT_EQ(mark->status(), c.status) << control.constData();
        EXPECT_EQ(mark->toolTip(), QString::fromUtf16(c.reason)) << control.constData();
        EXPECT_EQ(statusText(), QString::fromUtf16(c.reason)) << control.constData();
        EXPECT_TRUE(mark->isVisibleTo(window.get())) << control.constData();
        EXPECT_TRUE(mark->geometry().left() > line->geometry().right()) << control.constData();
    }
    // An IBAN abroad, which a bank order takes, is kept whole and marked: the slip pays only
    // Croatian accounts.
    tab().setText(F::RecipientIban, u"DE89370400440532013000"_s);
    EXPECT_EQ(hub(F::RecipientIban), u"DE89370400440532013000"_s);
    EXPECT_EQ(checkMark("Hub3aRecipientIban")->status(), CheckStatus::Invalid);
    EXPECT_EQ(checkMark("Hub3aRecipientIban")->toolTip(),
              u"uplatnica plaća samo račune u Hrvatskoj (IBAN od 21 znaka, ovaj ima 22); račun u inozemstvu plaća "
              "se nalogom za banku"_s);
    // A loaded slip marks its fields as typing does.
    tab().setRecord(fullHub3aRecord());
    for (const char *control : {"Hub3aPayerIbanCheck", "Hub3aRecipientReferenceCheck"})
        EXPECT_TRUE(child<CheckMark>(control)->isVisibleTo(window.get())) << control;
}

// The picture is drawn inside the window, away from the window's corner: the barcode must stand in
// its own cell there too, not shifted by the box's place in the window.
TEST_F(Hub3aTabTest, PreviewDrawsTheBarcodeInItsCellInsideTheWindow)
{
    tab().setRecord(fullHub3aRecord());
    window->resize(688, 760); // room for the whole picture
    showWindow();
    selectHub3aTab();
    QApplication::processEvents();
    QWidget *box = child("Hub3aPreview");
    ASSERT_FALSE(box->visibleRegion().isEmpty());
    ASSERT_EQ(box->visibleRegion().boundingRect(), box->rect());
    const QImage shot = window->grab().toImage();
    using namespace Hub3aForm;
    const double xScale = box->width() / 210.0, yScale = box->height() / 99.0;
    const QPoint corner = box->mapTo(window.get(), QPoint(0, 0));
    const QRect cell = QRectF(QPointF(barcodeLeft * xScale, barcodeTop * yScale),
                              QPointF(barcodeRight * xScale, barcodeBottom * yScale))
                           .toRect()
                           .translated(corner)
                           .intersected(shot.rect());
    ASSERT_FALSE(cell.isEmpty());
    int black = 0;
    for (int y = cell.top(); y <= cell.bottom(); ++y) {
        for (int x = cell.left(); x <= cell.right(); ++x)
            black += qGray(shot.pixel(x, y)) < 64 ? 1 : 0;
    }
    EXPECT_GT(black, cell.width() * cell.height() / 5) << "the barcode's bars fill much of its cell";
}

TEST_F(Hub3aTabTest, PurposeListOffersTheCommonCodesWithCroatianNamesAndPutsTheCodeInTheBox)
{
    const struct
    {
        const char *code;
        const char16_t *name;
    } expected[] = {
        {"COST", u"Plaćanje troškova"},   {"OTHR", u"Ostala plaćanja"}, {"SALA", u"Plaća"},
        {"SUPP", u"Plaćanje dobavljaču"}, {"GOVT", u"Plaćanje državi"}, {"TAXS", u"Plaćanje poreza"},
    };
    auto *box = child<QComboBox>("Hub3aPurpose");
    for (const auto &e : expected) {
        const int index = box->findText(QLatin1StringView(e.code));
        ASSERT_GE(index, 0) << e.code;
        QStyleOptionViewItem option;
        option.initFrom(box->view());
        const QModelIndex item = box->model()->index(index, 0);
        const QSize shown = box->itemDelegate()->sizeHint(option, item);
        EXPECT_GT(shown.width(), box->fontMetrics().horizontalAdvance(QString::fromUtf16(e.name))) << e.code;
        EXPECT_EQ(box->itemData(index, Qt::ToolTipRole).toString(), QString::fromUtf16(e.name)) << e.code;
        box->setCurrentIndex(index);
        EXPECT_EQ(hub(F::PurposeCode), QLatin1StringView(e.code));
    }
    for (const PurposeCode &code : purposeCodes()) {
        EXPECT_EQ(cleanHub3aText(F::PurposeCode, QLatin1StringView(code.code)), QLatin1StringView(code.code))
            << "every listed code is four capitals";
    }
}

TEST_F(Hub3aTabTest, AnAmountOrDateThatCannotBeUsedIsMarked)
{
    const struct
    {
        F field;
        const char16_t *text;
        bool marked;
    } cases[] = {
        {F::Amount, u"", false},
        {F::Amount, u"1.234,56", false},
        {F::Amount, u"9.999.999.999.999,99", false},
        {F::Amount, u"10.000.000.000.000,00", true},
        {F::Amount, u"12,345", true},
        {F::Amount, u"1.23,4", true},
        {F::ExecutionDate, u"", false},
        {F::ExecutionDate, u"29022024", false},
        {F::ExecutionDate, u"29022023", true},
        {F::ExecutionDate, u"1501202", true},
    };
    showWindow();
    selectHub3aTab();
    for (const auto &c : cases) {
        tab().setText(c.field, QString::fromUtf16(c.text));
        CheckMark *mark = checkMark(hub3aControlOf(c.field).data());
        EXPECT_EQ(mark->isVisibleTo(window.get()), c.marked) << QString::fromUtf16(c.text).toStdString();
        EXPECT_EQ(mark->status(), c.marked ? CheckStatus::Invalid : CheckStatus::Empty);
    }
}

TEST_F(Hub3aTabTest, ModelDigitsBecomeTheModelAndAKeypadPointIsTheDecimalComma)
{
    showWindow();
    selectHub3aTab();
    for (const char16_t *typed : {u"01", u"1", u"HR1"}) {
        box(F::RecipientModel)->clear();
        box(F::RecipientModel)->setFocus();
        typeText(box(F::RecipientModel), QString::fromUtf16(typed));
        EXPECT_EQ(tab().record()[F::RecipientModel], u"HR01"_s) << QString::fromUtf16(typed).toStdString();
        box(F::Description)->setFocus();
        EXPECT_EQ(hub(F::RecipientModel), u"HR01"_s) << QString::fromUtf16(typed).toStdString();
    }
    box(F::Amount)->setFocus();
    typeText(box(F::Amount), u"12.34"_s);
    EXPECT_EQ(tab().record()[F::Amount], u"12,34"_s);
    EXPECT_FALSE(child<CheckMark>("Hub3aAmountCheck")->isVisibleTo(window.get()));
    typeText(box(F::Amount), u","_s);
    EXPECT_EQ(statusText(), u"iznos se piše kao 1.234,56, najviše 9.999.999.999.999,99"_s);
}

TEST_F(Hub3aTabTest, AFileThatBreaksTheRulesLoadsAsItSaysNamesEachFieldAndSavesBackTheSame)
{
    const QByteArray bytes =
        "TIP=HUB3A\r\nIvan_Horvat@firma.hr & Co - Zagreb d.o.o.\r\n\r\n\r\nUdruga\r\n\r\n\r\n"
        "\r\n\r\n\r\nHR1210010051863000160\r\n\r\n\r\n\r\n\r\n2O,00\r\n\r\n\r\n";
    dialogs.setNextFileName(writeFile(path("los.txt"), bytes));
    trigger("Uitaj1");
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0], u"Nalog iz datoteke los.txt nije ispravan:\n"
                                   u"naziv platitelja: Dulje od 30 znakova\n"
                                   u"iznos: Iznos nije iznos u eurima u obliku 1.234,56"_s);
    EXPECT_EQ(hub(F::PayerName), u"Ivan_Horvat@firma.hr & Co - Zagreb d.o.o."_s);
    EXPECT_EQ(hub(F::Amount), u"2O,00"_s);
    EXPECT_TRUE(child<CheckMark>("Hub3aAmountCheck")->isVisibleTo(window.get()));

    dialogs.setNextFileName(path("isti.txt"));
    trigger("SaveUplatnica");
    EXPECT_EQ(fileBytes(path("isti.txt")), bytes);
}

TEST_F(Hub3aTabTest, ALoadedSlipThatCannotPayIsFlaggedAndItsPreviewShowsNoBarcodeUntilMended)
{
    Hub3aRecord slip = fullHub3aRecord();
    slip.set(F::RecipientName, QString(40, u'A'));
    slip.set(F::RecipientModel, u"1"_s);
    slip.set(F::RecipientReference, u"102-3057-89016"_s); // a reference of model HR01
    slip.set(F::Amount, u"12.34"_s);
    dialogs.setNextFileName(writeFile(path("dug.txt"), SlipFile::toBytes(slip)));
    trigger("Uitaj1");
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0], u"Nalog iz datoteke dug.txt nije ispravan:\n"
                                   u"model primatelja: '1' čita se kao 'HR01'\n"
                                   u"iznos: '12.34' čita se kao '12,34'\n"
                                   u"naziv primatelja: Dulje od 25 znakova"_s);
    EXPECT_EQ(hub(F::RecipientModel), u"HR01"_s);
    EXPECT_EQ(hub(F::Amount), u"12,34"_s);
    EXPECT_TRUE(box(F::RecipientName)->flagged());
    EXPECT_EQ(box(F::RecipientName)->toolTip(), u"Dulje od 25 znakova"_s);
    EXPECT_FALSE(box(F::PayerName)->flagged());
    EXPECT_EQ(hub3aBarcodeCell(hub3aSlipProblems(tab().record())), Hub3aBarcodeCell::Refused);

    box(F::RecipientName)->setFieldText(u"Udruga"_s);
    EXPECT_FALSE(box(F::RecipientName)->flagged());
    EXPECT_EQ(hub3aBarcodeCell(hub3aSlipProblems(tab().record())), Hub3aBarcodeCell::Barcode);
    box(F::Amount)->setFieldText(QString());
    EXPECT_EQ(hub3aBarcodeCell(hub3aSlipProblems(tab().record())), Hub3aBarcodeCell::Empty);
    box(F::PurposeCode)->setFieldText(u"ABCD"_s);
    EXPECT_TRUE(box(F::PurposeCode)->flagged());
}

} // namespace
