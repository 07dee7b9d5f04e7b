#include "app/BatchProgressDialog.h"

#include "ui/WindowFont.h"

#include <QCoreApplication>

#include <algorithm>

BatchProgressDialog::BatchProgressDialog(int total, QWidget *parent)
    : QProgressDialog(progressText(0, total, 0), QStringLiteral("Odustani"), 0, total, parent)
{
    setFont(windowFont());
    setWindowTitle(QStringLiteral("Uplatnice"));
    setWindowModality(Qt::WindowModal);
    setMinimumDuration(0);
    setAutoClose(false);
    setAutoReset(false);
    m_clock.start();
}

BatchHooks BatchProgressDialog::hooks()
{
    return {[this](int done, int total) { advance(done, total); }, [this] { return wasCanceled(); }};
}

QString BatchProgressDialog::progressText(int done, int total, qint64 elapsedMs)
{
    const QString count = QStringLiteral("Gotovo %1 od %2").arg(done).arg(total);
    if (done == 0)
        return count;
    const qint64 leftSeconds = (elapsedMs * (total - done) / done + 999) / 1000;
    return count + QStringLiteral(", preostalo oko %1 s").arg(leftSeconds);
}

void BatchProgressDialog::advance(int done, int total)
{
    setLabelText(progressText(done, total, m_clock.elapsed()));
    setValue(done);
    // A window-modal dialog's setValue does not always let the cancel button's click through.
    QCoreApplication::processEvents();
}

void BatchProgressDialog::showReading(qint64 bytesRead, qint64 size)
{
    const qint64 part = size > 0 ? std::clamp<qint64>(bytesRead * perMille / size, 0, perMille) : 0;
    setLabelText(QStringLiteral("Provjera tablice: %1 %").arg(part / 10));
    setValue(static_cast<int>(part));
}
