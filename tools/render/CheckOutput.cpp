#include "CheckOutput.h"

#include "payments/Hub3aChecks.h"

#include <QJsonArray>
#include <QJsonDocument>

using namespace Qt::StringLiterals;

namespace {

// One JSON value as text, escaped as JSON escapes it.
QByteArray jsonText(const QJsonValue &value)
{
    const QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

// The keys in the order a reader expects them, which a QJsonObject would sort.
QByteArray jsonLine(std::initializer_list<std::pair<const char *, QJsonValue>> members)
{
    QByteArray line = "{";
    for (const auto &[key, value] : members) {
        if (line.size() > 1)
            line += ',';
        line += '"' + QByteArray(key) + "\":" + jsonText(value);
    }
    return line + "}\n";
}

} // namespace

CheckOutput CheckOutput::of(const SlipRecord &record)
{
    return of(checkRecord(record));
}

CheckOutput CheckOutput::of(const Hub3aRecord &record)
{
    return of(checkHub3aRecord(record));
}

CheckOutput CheckOutput::of(const QList<CheckedField> &fields)
{
    CheckOutput output;
    for (const CheckedField &field : fields) {
        const CheckStatus status = field.result.status;
        if (status == CheckStatus::Empty)
            continue;
        const QJsonValue valid =
            status == CheckStatus::Unchecked ? QJsonValue() : QJsonValue(!field.result.failed());
        output.lines += jsonLine({{"field", field.name},
                                  {"value", field.value},
                                  {"valid", valid},
                                  {"message", field.result.message},
                                  {"iban", field.result.iban}});
        output.anyInvalid = output.anyInvalid || field.result.failed();
    }
    return output;
}
