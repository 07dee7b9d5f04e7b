#pragma once

#include <QValidator>

// Keeps a part of a partner entry to what the entry and its file line can hold: characters of
// Windows-1250 other than control characters (the separator 08, the file's 0B, NUL and the like
// would split the entry or cut the file short). Line breaks stay, so a name with several lines,
// added from a memo, keeps them when it is changed in the partner dialog.
class PartnerTextValidator : public QValidator
{
    Q_OBJECT

public:
    using QValidator::QValidator;

    static QString keptText(const QString &text);

    State validate(QString &input, int &pos) const override;
};
