#include "app/ZorPrint.h"

#include "ui_ZorPrint.h"

#include "app/EntryField.h"
#include "app/FileDrop.h"
#include "app/Glyphs.h"
#include "app/Hub3aPartner.h"
#include "app/Hub3aTab.h"
#include "app/PaymentHints.h"
#include "app/PickPanel.h"
#include "app/SlipControls.h"
#include "app/SlipFileCommands.h"
#include "app/StatusPanels.h"
#include "model/Clock.h"
#include "model/UserError.h"
#include "partners/PartnerList.h"
#include "payments/Hub3aTransfer.h"
#include "render/PaintUplatnica.h"
#include "render/PaintZorvat.h"
#include "render/QPainterSurface.h"
#include "scan/InvoiceScan.h"
#include "ui/HandlerErrors.h"
#include "ui/UserDialogs.h"
#include "ui/WindowFont.h"

#include <QCloseEvent>
#include <QShowEvent>
#include <QTimer>
#include <QToolButton>

#include <optional>

namespace {

using Handler = void (TForm1::*)();

// Which handler each field's change runs: every change repaints each preview that draws the
// field; the place and date (Edit2, Edit1) are drawn by both.
struct ChangeRow
{
    const char *control;
    Handler handler;
};
constexpr ChangeRow changeHandlers[] = {
    {"Edit1", &TForm1::repaintBothPreviews},     {"Edit2", &TForm1::repaintBothPreviews},
    {"MaskEdit1", &TForm1::repaintUplatnica},    {"Memo1", &TForm1::repaintUplatnica},
    {"Memo2", &TForm1::repaintUplatnica},        {"Memo3", &TForm1::repaintUplatnica},
    {"MaskEdit2", &TForm1::repaintUplatnica},    {"MaskEdit3", &TForm1::repaintUplatnica},
    {"MaskEdit4", &TForm1::repaintUplatnica},    {"MaskEdit5", &TForm1::repaintUplatnica},
    {"MaskEdit6", &TForm1::repaintUplatnica},    {"Edit3", &TForm1::Edit3Change},
    {"MaskEdit7", &TForm1::Edit3Change},         {"MaskEdit8", &TForm1::Edit3Change},
    {"Nalogodavac", &TForm1::NalogodavacChange}, {"SvrhaZorvata", &TForm1::NalogodavacChange},
    {"Primatelj", &TForm1::NalogodavacChange},   {"pb11", &TForm1::NalogodavacChange},
    {"pb12", &TForm1::NalogodavacChange},        {"pb21", &TForm1::NalogodavacChange},
    {"pb22", &TForm1::NalogodavacChange},        {"IznosZorvat", &TForm1::NalogodavacChange},
    {"Racun2", &TForm1::NalogodavacChange},      {"Racun1", &TForm1::Racun1Change},
    {"Nacin", &TForm1::NalogodavacChange},       {"sif1", &TForm1::NalogodavacChange},
    {"sif2", &TForm1::NalogodavacChange},        {"sif3", &TForm1::NalogodavacChange},
};

// The buttons of both fields panels: their handlers and the glyphs of the small ones.
struct ButtonRow
{
    const char *button;
    Handler handler;
    std::optional<Glyph> glyph;
};
constexpr ButtonRow buttons[] = {
    {"Button1", &TForm1::Button1Click, {}},
    {"Button2", &TForm1::Button2Click, {}},
    {"Button3", &TForm1::Button3Click, {}},
    {"Button4", &TForm1::Button4Click, {}},
    {"Hub3aClear", &TForm1::Hub3aClearClick, {}},
    {"Hub3aLoadDefaults", &TForm1::Hub3aLoadDefaultsClick, {}},
    {"SpeedButton1", &TForm1::SpeedButton1Click, Glyph::Pick},
    {"SpeedButton3", &TForm1::SpeedButton3Click, Glyph::Pick},
    {"SpeedButton6", &TForm1::SpeedButton6Click, Glyph::Pick},
    {"SpeedButton8", &TForm1::SpeedButton8Click, Glyph::Pick},
    {"SpeedButton2", &TForm1::SpeedButton2Click, Glyph::StoreDefault},
    {"SpeedButton4", &TForm1::SpeedButton4Click, Glyph::StoreDefault},
    {"SpeedButton7", &TForm1::SpeedButton7Click, Glyph::StoreDefault},
    {"SpeedButton9", &TForm1::SpeedButton9Click, Glyph::StoreDefault},
    {"SpeedButton13", &TForm1::SpeedButton13Click, Glyph::StoreDefault},
    {"Hub3aStorePayerDefaults", &TForm1::Hub3aStorePayerDefaultsClick, Glyph::StoreDefault},
    {"Hub3aPickRecipient", &TForm1::Hub3aPickRecipientClick, Glyph::Pick},
    {"SpeedButton5", &TForm1::SpeedButton5Click, Glyph::AddPartner},
    {"SpeedButton10", &TForm1::SpeedButton10Click, Glyph::AddPartner},
    {"SpeedButton11", &TForm1::SpeedButton11Click, Glyph::AddPartner},
};

// The pick button of each target, in target order.
constexpr const char *pickButtons[] = {"SpeedButton1", "SpeedButton3", "SpeedButton6", "SpeedButton8",
                                       "Hub3aPickRecipient"};

// The order in which "Obriši polja" empties each tab's fields.
constexpr const char *uplatnicaClearOrder[] = {
    "MaskEdit1", "Memo1",     "Memo2",     "Memo3",     "MaskEdit2", "MaskEdit3", "MaskEdit4",
    "MaskEdit5", "MaskEdit6", "MaskEdit7", "MaskEdit8", "Edit1",     "Edit2",     "Edit3"};
constexpr const char *zorvatClearOrder[] = {
    "Nalogodavac", "SvrhaZorvata", "Primatelj",   "Racun1", "Racun2", "pb11", "pb12",
    "pb21",        "pb22",         "IznosZorvat", "Nacin",  "sif1",   "sif2", "sif3"};

constexpr int fieldsPanelHeight = 269;

} // namespace

TForm1::TForm1(const WindowServices &services, QWidget *parent)
    : QMainWindow(parent), m_ui(std::make_unique<Ui::TForm1>()), m_services(services)
{
    setFont(windowFont());
    m_ui->setupUi(this);
    move(180, 123);
    m_fields = std::make_unique<SlipControls>(*this);
    m_statusPanels = std::make_unique<StatusPanels>(*m_ui->StatusBar1);
    m_pickPanel = new PickPanel(this);
    m_pickPanel->acceptButton()->setObjectName(QStringLiteral("SpeedButton12"));
    m_hub3a = new Hub3aTab(*this, *m_ui->Hub3aPreview, [this](const QString &text, QWidget &field) {
        m_statusPanels->showEditNotice(text, field);
    });
    setUpControls();
    connectHandlers();
    m_paymentHints = std::make_unique<PaymentHints>(
        *m_fields, *m_hub3a, [this](const QString &hint) { m_statusPanels->showFieldHint(hint); });
    new FileDrop(this, [this](const QStringList &paths) { runHandler([&] { openFiles(paths); }); });
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connectHandler(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    Timer1->start(500);
}

TForm1::~TForm1() = default;

void TForm1::setUpControls()
{
    for (QSplitter *splitter : {m_ui->Splitter1, m_ui->Splitter2, m_ui->Hub3aSplitter}) {
        splitter->setStretchFactor(0, 0);
        splitter->setStretchFactor(1, 1);
        splitter->setSizes({fieldsPanelHeight, height()});
    }
    for (QWidget *panel : {m_ui->Panel1, m_ui->Panel2, m_ui->Hub3aPanel}) {
        for (QLabel *label : panel->findChildren<QLabel *>())
            label->adjustSize();
    }
    for (const ButtonRow &row : buttons) {
        if (row.glyph)
            makeGlyphButton(findChild<QToolButton *>(QLatin1StringView(row.button)), *row.glyph);
    }
}

void TForm1::connectHandlers()
{
    for (const ChangeRow &row : changeHandlers)
        m_fields->connectControlChange(QLatin1StringView(row.control), this, handlerCall(this, row.handler));
    for (const ButtonRow &row : buttons)
        connectHandler(findChild<QAbstractButton *>(QLatin1StringView(row.button)), &QAbstractButton::clicked,
                       this, row.handler);
    connectHandler(m_pickPanel, &PickPanel::acceptPressed, this, &TForm1::SpeedButton12Click);
    connect(m_ui->PageControl1, &QTabWidget::currentChanged, this, &TForm1::focusFirstField);
    // The transfer takes the active older form, so there is none to take from the HUB-3A tab.
    connect(m_ui->PageControl1, &QTabWidget::currentChanged, this,
            [this] { m_ui->TransferToHub3a->setEnabled(olderSlipKind(activeKind()).has_value()); });
    m_ui->PaintBox1->setPaintHandler(
        [this](QPainter &painter) { runHandler([&] { PaintBox1Paint(painter); }); });
    m_ui->PaintBox2->setPaintHandler(
        [this](QPainter &painter) { runHandler([&] { PaintBox2Paint(painter); }); });
    m_ui->Hub3aPreview->setPaintHandler(
        [this](QPainter &painter) { runHandler([&] { m_hub3a->paintPreview(painter); }); });

    const std::pair<QAction *, Handler> menu[] = {
        {m_ui->Uplatnica1, &TForm1::Uplatnica1Click}, {m_ui->Zorvat1, &TForm1::Zorvat1Click},
        {m_ui->NewHub3a, &TForm1::NewHub3aClick},     {m_ui->TransferToHub3a, &TForm1::TransferToHub3aClick},
        {m_ui->Uitaj1, &TForm1::Uitaj1Click},         {m_ui->SaveUplatnica, &TForm1::SaveUplatnicaExecute},
        {m_ui->Ispii1, &TForm1::Ispii1Click},         {m_ui->Podaci2, &TForm1::Podaci2Click},
        {m_ui->Izlazak1, &TForm1::Izlazak1Click},
    };
    for (const auto &[action, handler] : menu)
        connectHandler(action, &QAction::triggered, this, handler);
}

void TForm1::setHooks(WindowHooks hooks)
{
    m_hooks = std::move(hooks);
}

void TForm1::runHook(const std::function<void()> &hook)
{
    if (hook)
        hook();
}

void TForm1::FormCreate()
{
    loadDefaults(SlipKind::Uplatnica);
    loadDefaults(SlipKind::Zorvat);
    Hub3aLoadDefaultsClick();
    runHook(m_hooks.makeFirstPrinterCurrent);
}

void TForm1::addFileMenuEntry(QAction *entry)
{
    const QList<QAction *> actions = m_ui->Datoteka1->actions();
    const qsizetype print = actions.indexOf(m_ui->Ispii1);
    m_ui->Datoteka1->insertAction(print >= 0 ? actions.value(print + 1) : nullptr, entry);
}

FormKind TForm1::activeKind() const
{
    const QWidget *tab = m_ui->PageControl1->currentWidget();
    return tab == m_ui->TabSheet1   ? FormKind::Uplatnica
           : tab == m_ui->Hub3aPage ? FormKind::Hub3a
                                    : FormKind::Zorvat;
}

UplatnicaData TForm1::uplatnicaData() const
{
    return UplatnicaData::fromTexts(m_fields->record(SlipKind::Uplatnica).texts);
}

ZorvatData TForm1::zorvatData() const
{
    return ZorvatData::fromTexts(m_fields->record(SlipKind::Zorvat).texts,
                                 m_fields->controlText(QLatin1StringView("Edit2")),
                                 m_fields->controlText(QLatin1StringView("Edit1")));
}

Hub3aRecord TForm1::hub3aData() const
{
    return m_hub3a->record();
}

bool TForm1::confirmPrint(const QString &question) const
{
    return m_services.dialogs.askYesNo(question);
}

void TForm1::Timer1Timer()
{
    m_statusPanels->showClock(m_services.clock.now());
}

void TForm1::repaintUplatnica()
{
    m_ui->PaintBox1->update();
}

void TForm1::repaintBothPreviews()
{
    repaintUplatnica();
    NalogodavacChange();
}

void TForm1::NalogodavacChange()
{
    m_ui->PaintBox2->update();
}

void TForm1::PaintBox1Paint(QPainter &painter)
{
    QPainterSurface surface(painter, m_uplatnicaFonts);
    const QWidget *box = m_ui->PaintBox1;
    PaintUplatnica(surface, FormFrame::preview(box->width(), box->height()), LayoutStyle::preview(),
                   uplatnicaData());
}

void TForm1::PaintBox2Paint(QPainter &painter)
{
    QPainterSurface surface(painter, m_zorvatFonts);
    const QWidget *box = m_ui->PaintBox2;
    PaintZorvat(surface, FormFrame::preview(box->width(), box->height()), LayoutStyle::preview(),
                zorvatData());
}

void TForm1::clearFields(SlipKind kind)
{
    const auto clear = [this](const auto &order) {
        for (const char *control : order)
            m_fields->setControlText(QLatin1StringView(control), QString());
    };
    if (kind == SlipKind::Uplatnica) {
        clear(uplatnicaClearOrder);
    } else {
        clear(zorvatClearOrder);
        NalogodavacChange();
    }
}

void TForm1::loadDefaults(SlipKind kind)
{
    if (kind == SlipKind::Uplatnica)
        LoadUplatnicaDefaults(m_services.store, *m_fields);
    else
        LoadZorvatDefaults(m_services.store, *m_fields);
}

void TForm1::storeDefaults(DefaultGroup group)
{
    if (group == DefaultGroup::Hub3aPayer)
        StoreDefaults(m_services.store, *m_hub3a, group);
    else
        StoreDefaults(m_services.store, *m_fields, group);
}

void TForm1::newForm(SlipKind kind)
{
    clearFields(kind);
    loadDefaults(kind);
    m_ui->PageControl1->setCurrentWidget(kind == SlipKind::Uplatnica ? m_ui->TabSheet1 : m_ui->TabSheet2);
}

void TForm1::Hub3aClearClick()
{
    m_hub3a->setRecord({});
}

void TForm1::Hub3aLoadDefaultsClick()
{
    LoadHub3aDefaults(m_services.store, *m_hub3a);
}

void TForm1::NewHub3aClick()
{
    Hub3aClearClick();
    Hub3aLoadDefaultsClick();
    m_ui->PageControl1->setCurrentWidget(m_ui->Hub3aPage);
}

void TForm1::TransferToHub3aClick()
{
    const std::optional<SlipKind> older = olderSlipKind(activeKind());
    if (!older)
        return; // the entry is disabled on the HUB-3A tab
    const Hub3aTransfer transfer = transferToHub3a(m_fields->record(*older));
    m_hub3a->setRecord(transfer.record);
    m_ui->PageControl1->setCurrentWidget(m_ui->Hub3aPage);
    m_services.dialogs.showMessage(transfer.summary());
}

void TForm1::showStatus(const QString &text)
{
    m_statusPanels->showFieldHint(text);
}

void TForm1::openPickPanel(PickTarget target)
{
    // Directly below its button, or above it for the recipient of the payment slip.
    const auto *button = findChild<QWidget *>(QLatin1StringView(pickButtons[static_cast<int>(target) - 1]));
    const QPoint at = button->mapTo(this, QPoint(0, 0));
    const int top = target == PickTarget::UplatnicaRecipient ? at.y() - m_pickPanel->height() - 2
                                                             : at.y() + button->height() + 2;
    m_pickPanel->open(m_services.partners.entries(), QPoint(at.x(), top), target);
}

void TForm1::SpeedButton12Click()
{
    m_pickPanel->hide();
    if (m_pickPanel->target() != PickTarget::Hub3aRecipient) {
        takePartner(*m_fields, m_pickPanel->target(), m_pickPanel->selectedEntry());
        return;
    }
    Hub3aRecord record = m_hub3a->record();
    const QStringList notes = takeHub3aRecipient(record, m_pickPanel->selectedEntry());
    m_hub3a->setRecord(record);
    if (!notes.isEmpty())
        showStatus(notes.join(QStringLiteral("; ")));
}

void TForm1::addPartner(PickTarget group)
{
    m_services.partners.append(partnerFromFields(*m_fields, group));
    m_services.dialogs.showMessage(m_fields->fieldText(partnerNameField(group)) +
                                   QStringLiteral("  je dodan u bazu!"));
    m_services.partners.warnIfNotSavedAtExit();
}

void TForm1::Uitaj1Click()
{
    showLoaded(SlipFileCommands::load(m_services.dialogs, *m_fields, *m_hub3a));
}

// Every file is tried: one that cannot be read is named in the error box at the end and does not keep
// the others from opening.
void TForm1::openFiles(const QStringList &paths)
{
    QStringList failures;
    QStringList invoices;
    for (const QString &path : paths) {
        if (m_invoiceReader && isScannableName(path)) {
            invoices.append(path);
            continue;
        }
        try {
            showLoaded(SlipFileCommands::loadFile(m_services.dialogs, *m_fields, *m_hub3a, path));
        } catch (const UserError &error) {
            failures.append(error.text());
        }
    }
    if (!invoices.isEmpty())
        m_invoiceReader(invoices);
    if (!failures.isEmpty())
        throw UserError(failures.join(u'\n'));
}

void TForm1::setInvoiceReader(std::function<void(const QStringList &paths)> reader)
{
    m_invoiceReader = std::move(reader);
}

void TForm1::showHub3aRecord(const Hub3aRecord &record)
{
    m_hub3a->setRecord(record);
    showLoaded(SlipFileCommands::Loaded::Hub3a);
}

void TForm1::showLoaded(SlipFileCommands::Loaded loaded)
{
    // An older form fills its tab in the background; a HUB-3A slip comes up.
    if (loaded == SlipFileCommands::Loaded::Hub3a)
        m_ui->PageControl1->setCurrentWidget(m_ui->Hub3aPage);
}

void TForm1::SaveUplatnicaExecute()
{
    if (const std::optional<SlipKind> older = olderSlipKind(activeKind()))
        SlipFileCommands::save(m_services.dialogs, *m_fields, *older);
    else
        SlipFileCommands::saveHub3a(m_services.dialogs, m_hub3a->record());
}

void TForm1::focusFirstField()
{
    QWidget *page = m_ui->PageControl1->currentWidget();
    for (QWidget *next = page->nextInFocusChain(); next && next != page; next = next->nextInFocusChain()) {
        if (page->isAncestorOf(next) && dynamic_cast<EntryField *>(next) &&
            (next->focusPolicy() & Qt::TabFocus) && next->isEnabled()) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void TForm1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        focusFirstField();
}

void TForm1::closeEvent(QCloseEvent *event)
{
    QMainWindow::closeEvent(event);
    // Closing the main window ends the program even while a dialog is still open; queued, so that
    // the window has closed first. Without a running event loop (tests) this does nothing.
    QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
}
