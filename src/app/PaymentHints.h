#pragma once

#include "model/FormField.h"

#include <QObject>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

class CheckMark;
class Hub3aTab;
class SlipControls;
class SlipFieldAccess;
class QLineEdit;
class QWidget;
struct CheckResult;
struct PaymentField;

// The live payment hints of the main window: each account field and each model and reference
// pair of the three tabs has a mark beside it that follows every change, and while one of its
// controls (or the HUB-3A amount or execution date, marked by the tab) has focus the reason shows
// through showHint (an empty text when none has). The hints
// only show: they never refuse a key nor change a field. Destroy the hints before what showHint
// writes to: a focused field loses its focus when its window goes.
class PaymentHints : public QObject
{
    Q_OBJECT

public:
    PaymentHints(SlipControls &fields, Hub3aTab &hub3a, std::function<void(const QString &)> showHint);

    // How a tab checks one of its payment fields: its text and, for a reference, the model's.
    using FieldCheck = CheckResult (*)(const PaymentField &, const QString &, const QString &);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Hint
    {
        const PaymentField *field;
        FieldCheck check;
        const SlipFieldAccess *texts; // where the field's texts are read
        FormField entry;
        std::optional<FormField> modelEntry; // nothing for an account
        QWidget *control;
        QWidget *modelControl;
        CheckMark *mark;
    };

    void addFormMarks(const Hub3aTab &hub3a);
    void recheck(Hint &hint);
    const Hint *hintOf(const QObject *control) const;

    std::function<void(const QString &)> m_showHint;
    std::vector<Hint> m_hints;
    std::vector<std::pair<QLineEdit *, CheckMark *>> m_formMarks; // the HUB-3A amount's and date's
};
