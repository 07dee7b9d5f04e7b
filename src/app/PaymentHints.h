#pragma once

#include <QLatin1StringView>
#include <QObject>

#include <functional>
#include <vector>

class CheckMark;
class Hub3aTab;
class SlipControls;
class SlipFieldAccess;
class QWidget;
struct PaymentField;

// The live payment hints of the main window: each account field and each model and reference
// pair of the three tabs has a mark beside it that follows every change, and while one of its
// controls has focus the reason shows through showHint (an empty text when none has). The hints
// only show: they never refuse a key nor change a field. Destroy the hints before what showHint
// writes to: a focused field loses its focus when its window goes.
class PaymentHints : public QObject
{
    Q_OBJECT

public:
    PaymentHints(QWidget &window, SlipControls &fields, Hub3aTab &hub3a,
                 std::function<void(const QString &)> showHint);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Hint
    {
        const PaymentField *field;
        const SlipFieldAccess *texts;                    // where the field's texts are read
        QLatin1StringView controlName, modelControlName; // the model's is empty for an account
        QWidget *control;
        QWidget *modelControl;
        CheckMark *mark;
    };

    void recheck(Hint &hint);
    const Hint *hintOf(const QObject *control) const;

    std::function<void(const QString &)> m_showHint;
    std::vector<Hint> m_hints;
};
