#include "partners/PartnerTextValidator.h"

#include "ui/TextFilter.h"

QValidator::State PartnerTextValidator::validate(QString &input, int &pos) const
{
    const qsizetype keptBeforeCursor = encodableWithoutControls(input.left(pos)).size();
    input = encodableWithoutControls(input);
    pos = static_cast<int>(keptBeforeCursor);
    return Acceptable;
}
