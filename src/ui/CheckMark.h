#pragma once

#include "payments/CheckResult.h"

#include <QWidget>

#include <functional>

class QLineEdit;

// A small mark beside an account or reference field: a green tick when the value checks out, a
// red cross when it does not, a grey question mark when it cannot be checked, nothing when the
// field is empty. Its tooltip gives the reason. It only shows; it never takes focus or input.
class CheckMark : public QWidget
{
    Q_OBJECT

public:
    static constexpr int side = 12;

    explicit CheckMark(QWidget *parent = nullptr);

    void setResult(const CheckResult &result);
    CheckStatus status() const { return m_result.status; }
    QString message() const { return m_result.message; }

    // A mark right of a line edit, level with it, that shows check(text) after every change.
    static CheckMark *beside(QLineEdit *field, std::function<CheckResult(const QString &)> check);

    // Draws the mark of a status into a square, for lists that draw their rows themselves.
    static void paintMark(QPainter &painter, const QRect &square, CheckStatus status);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    CheckResult m_result;
};
