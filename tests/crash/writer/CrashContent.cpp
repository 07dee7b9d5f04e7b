#include "CrashContent.h"

#include "book/PaymentBook.h"
#include "model/Calibration.h"
#include "model/SlipFile.h"
#include "model/UserError.h"
#include "partners/PartnerEntry.h"
#include "partners/PartnerList.h"

#include <QSet>

namespace {

// Large enough that a save takes a while and a kill can land inside its writing.
constexpr int partnerCount = 4000;
constexpr int memoLength = 150000;

const QString printer = QStringLiteral("Laser on LPT1:");

QStringList partnersOf(int g)
{
    QStringList entries;
    for (int i = 0; i < partnerCount + g % 7 * 50; ++i)
        entries.append(joinPartner(QStringLiteral("Čistoća %1-%2, Žitnjak bb").arg(g).arg(i),
                                   QStringLiteral("2360000-11%1").arg(g, 8, 10, QLatin1Char('0')),
                                   QStringLiteral("05 %1-%2").arg(i).arg(g)));
    return entries;
}

SlipRecord slipOf(int g)
{
    SlipRecord record = SlipRecord::blank(SlipKind::Uplatnica);
    const QString number = QString::number(g);
    for (size_t i = 0; i < record.texts.size(); ++i)
        record.texts[i] = QStringLiteral("polje %1 naloga %2").arg(i).arg(number);
    // The payer memo carries the size; its length varies so a cut file cannot pass for another.
    record.texts[1] = QString(memoLength + g % 11 * 1000, QChar(u'a' + g % 26)) + number;
    return record;
}

Calibration calibrationOf(int g)
{
    return {g + 1, g + 2, g + 3, g + 4, g + 5, g + 6};
}

std::optional<int> heldPartners(const QString &path)
{
    PartnerList list(path);
    list.LoadData();
    if (list.count() == 0)
        return std::nullopt;
    const QString account = SplitPartner(list.at(0)).account;
    bool ok = false;
    const int g = account.mid(QStringLiteral("2360000-11").size()).toInt(&ok);
    return ok && list.entries() == partnersOf(g) ? std::optional<int>(g) : std::nullopt;
}

std::optional<int> heldSlip(const QString &path)
{
    const std::optional<SlipRecord> record = SlipFile::load(path);
    if (!record)
        return std::nullopt;
    bool ok = false;
    const int g = record->texts[0].section(u' ', -1).toInt(&ok);
    if (!ok)
        return std::nullopt;
    const SlipRecord expected = slipOf(g);
    return record->kind == expected.kind && record->texts == expected.texts ? std::optional<int>(g)
                                                                            : std::nullopt;
}

std::optional<int> heldCalibration(const QString &path)
{
    const Calibration loaded = readStoredCalibration(SettingsStore(path), printer);
    const int g = loaded.RectWidth - 1;
    return loaded == calibrationOf(g) ? std::optional<int>(g) : std::nullopt;
}

// A bank file's worth of payments, each telling its generation and place in its description.
void recordBookGeneration(const QString &path, int g)
{
    PaymentBook book(path);
    PaymentBook::Transaction transaction(book);
    BookPayment payment;
    payment.way = BookWay::BankFile;
    payment.wayFile = QStringLiteral("UN.20261208.%1.xml").arg(g);
    payment.record.texts[static_cast<size_t>(Hub3aField::RecipientIban)] =
        QStringLiteral("HR1210010051863000160");
    payment.record.texts[static_cast<size_t>(Hub3aField::Amount)] = QStringLiteral("%1,00").arg(g);
    for (int i = 0; i < bookPaymentsPerGeneration; ++i) {
        payment.record.texts[static_cast<size_t>(Hub3aField::Description)] =
            QStringLiteral("g%1 n%2").arg(g).arg(i);
        book.record(transaction, payment, QDateTime::currentDateTime(), BookState::Prepared);
    }
    transaction.commit();
}

std::optional<int> heldBook(const QString &path)
{
    const QMap<int, int> generations = bookGenerations(path);
    if (generations.isEmpty() || generations.firstKey() != 0 ||
        generations.lastKey() != generations.size() - 1)
        return std::nullopt;
    for (const int count : generations) {
        if (count != bookPaymentsPerGeneration)
            return std::nullopt;
    }
    return generations.lastKey();
}

} // namespace

QMap<int, int> bookGenerations(const QString &path)
{
    QMap<int, int> generations;
    QSet<QString> seen;
    for (const BookEntry &entry : PaymentBook(path).entries()) {
        const QString description = entry.payment.record[Hub3aField::Description];
        if (seen.contains(description))
            generations[-1] += 1; // a payment twice
        seen.insert(description);
        generations[description.section(u' ', 0, 0).mid(1).toInt()] += 1;
    }
    return generations;
}

std::optional<SavedKind> savedKindNamed(const QString &name)
{
    for (SavedKind kind :
         {SavedKind::Partners, SavedKind::SlipFile, SavedKind::Calibration, SavedKind::Book}) {
        if (savedKindName(kind) == name)
            return kind;
    }
    return std::nullopt;
}

QString savedKindName(SavedKind kind)
{
    switch (kind) {
    case SavedKind::Partners:
        return QStringLiteral("partners");
    case SavedKind::SlipFile:
        return QStringLiteral("slip");
    case SavedKind::Calibration:
        return QStringLiteral("calibration");
    case SavedKind::Book:
        return QStringLiteral("book");
    }
    return QString();
}

void saveGeneration(SavedKind kind, const QString &path, int generation)
{
    switch (kind) {
    case SavedKind::Partners: {
        // As the program does: read the file, change the list, save it.
        PartnerList list(path);
        list.LoadData();
        for (int i = list.count() - 1; i >= 0; --i)
            list.remove(i);
        for (const QString &entry : partnersOf(generation))
            list.append(entry);
        list.SaveData();
        break;
    }
    case SavedKind::SlipFile:
        SlipFile::save(path, slipOf(generation));
        break;
    case SavedKind::Calibration:
        storeCalibration(SettingsStore(path), printer, calibrationOf(generation));
        break;
    case SavedKind::Book:
        recordBookGeneration(path, generation);
        break;
    }
}

std::optional<int> generationHeld(SavedKind kind, const QString &path)
{
    try {
        switch (kind) {
        case SavedKind::Partners:
            return heldPartners(path);
        case SavedKind::SlipFile:
            return heldSlip(path);
        case SavedKind::Calibration:
            return heldCalibration(path);
        case SavedKind::Book:
            return heldBook(path);
        }
    } catch (const UserError &) {
    }
    return std::nullopt;
}
