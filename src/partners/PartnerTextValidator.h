#pragma once

#include <QValidator>

// Keeps a part of a partner entry to what the entry and its file line can hold
// (encodableWithoutControls). Line breaks stay, so a name with several lines,
// added from a memo, keeps them when it is changed in the partner dialog.
class PartnerTextValidator : public QValidator
{
    Q_OBJECT

public:
    using QValidator::QValidator;

    State validate(QString &input, int &pos) const override;
};
