#include "CheckOutput.h"

#include "JsonLine.h"
#include "payments/Hub3aChecks.h"

using namespace Qt::StringLiterals;

CheckOutput CheckOutput::of(const SlipRecord &record)
{
    return of(checkRecord(record));
}

CheckOutput CheckOutput::of(const Hub3aRecord &record)
{
    return of(checkHub3aSlip(record));
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
