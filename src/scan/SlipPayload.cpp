#include "scan/SlipPayload.h"

#include "model/Hub3aRules.h"
#include "payments/Hub3aChecks.h"
#include "scan/EpcQrPayload.h"
#include "scan/Hub3Payload.h"

PayloadReading readSlipPayload(const QByteArray &bytes)
{
    if (isHub3Payload(bytes))
        return readHub3Payload(bytes);
    if (isEpcQrPayload(bytes))
        return readEpcQrPayload(bytes);
    return {};
}

QString slipVerdict(const PayloadReading &reading)
{
    QStringList lines = reading.notes;
    if (reading.record) {
        if (const QString problems = hub3aProblemsText(hub3aSlipProblems(*reading.record));
            !problems.isEmpty())
            lines.prepend(problems);
    }
    return lines.join(u'\n');
}
