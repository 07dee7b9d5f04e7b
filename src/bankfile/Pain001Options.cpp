#include "bankfile/Pain001Options.h"

#include "model/Clock.h"
#include "model/SettingsStore.h"
#include "model/UserError.h"

using namespace Qt::StringLiterals;

namespace Pain001 {

namespace {

constexpr int largestDailyCount = 9999;

} // namespace

QString namespaceUri(Schema schema, bool instant)
{
    if (schema == Schema::Iso)
        return u"urn:iso:std:iso:20022:tech:xsd:pain.001.001.09"_s;
    return instant ? u"urn:iso:std:iso:20022:tech:xsd:sctinsthr:pain.001.001.09"_s
                   : u"urn:iso:std:iso:20022:tech:xsd:scthr:pain.001.001.09"_s;
}

QString nextMessageId(const SettingsStore &settings, QDate day)
{
    const QString dayText = day.toString(u"yyyyMMdd"_s);
    int count = 0;
    if (settings.ReadSetting(u"BankFileDay"_s) == dayText)
        count = settings.ReadSetting(u"BankFileCount"_s).toInt();
    if (count >= largestDailyCount)
        throw UserError(u"Danas je već napravljeno %1 datoteka naloga za banku; oznaka poruke "
                        "UNggggmmddnnnn ne može se ponoviti"_s.arg(largestDailyCount));
    ++count;
    settings.WriteSetting(u"BankFileDay"_s, dayText);
    settings.WriteSetting(u"BankFileCount"_s, QString::number(count));
    return u"UN%1%2"_s.arg(dayText).arg(count, 4, 10, QChar(u'0'));
}

QString suggestedFileName(const QString &messageId)
{
    if (messageId.size() == 14 && messageId.startsWith("UN"_L1))
        return u"UN.%1.%2.xml"_s.arg(messageId.mid(2, 8), messageId.mid(10, 4));
    return messageId + u".xml"_s;
}

Options optionsNow(const Clock &clock, const SettingsStore &settings, Schema schema, bool instant)
{
    Options options;
    options.schema = schema;
    options.instant = instant;
    options.created = clock.now();
    options.today = options.created.date();
    options.messageId = nextMessageId(settings, options.today);
    return options;
}

} // namespace Pain001
