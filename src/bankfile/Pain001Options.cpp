#include "bankfile/Pain001Options.h"

#include "model/Clock.h"
#include "model/SettingsStore.h"

using namespace Qt::StringLiterals;

namespace Pain001 {

QString namespaceUri(Schema schema, bool instant)
{
    if (schema == Schema::Iso)
        return u"urn:iso:std:iso:20022:tech:xsd:pain.001.001.09"_s;
    return instant ? u"urn:iso:std:iso:20022:tech:xsd:sctinsthr:pain.001.001.09"_s
                   : u"urn:iso:std:iso:20022:tech:xsd:scthr:pain.001.001.09"_s;
}

int settingsMessageCount(const SettingsStore &settings, QDate day)
{
    if (settings.ReadSetting(u"BankFileDay"_s) != day.toString(u"yyyyMMdd"_s))
        return 0;
    return settings.ReadSetting(u"BankFileCount"_s).toInt();
}

QString suggestedFileName(const QString &messageId)
{
    if (messageId.size() == 14 && messageId.startsWith("UN"_L1))
        return u"UN.%1.%2.xml"_s.arg(messageId.mid(2, 8), messageId.mid(10, 4));
    return messageId + u".xml"_s;
}

Options optionsNow(const Clock &clock, Schema schema, bool instant)
{
    Options options;
    options.schema = schema;
    options.instant = instant;
    options.created = clock.now();
    options.today = options.created.date();
    return options;
}

} // namespace Pain001
