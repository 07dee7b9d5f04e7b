#pragma once

#include <QByteArray>
#include <QPageLayout>
#include <QString>

// Hands a finished PDF document to a queue of the platform's print spooler (CUPS), with the
// document title as its job name and the page size and orientation of the page layout.
// Throws UserError with the spooler's reason when the job is not accepted.
void SubmitToSpooler(const QString &queue, const QString &title, const QByteArray &pdf,
                     const QPageLayout &layout);
