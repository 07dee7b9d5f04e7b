#pragma once

#include <QByteArray>
#include <QPageLayout>
#include <QString>

#include <cups/ipp.h>

// Hands a finished PDF document to a queue of the platform's print spooler (CUPS), with the
// document title as its job name and the page size and orientation of the page layout.
// Throws UserError with the spooler's reason (spoolerReason) when the job is not accepted.
void SubmitToSpooler(const QString &queue, const QString &title, const QByteArray &pdf,
                     const QPageLayout &layout);

// Why the spooler did not take a job, in the user's words, by the status it gave (its own text is
// English, or the system's words for a network failure such as "Host is down").
QString spoolerReason(ipp_status_t status);
