#pragma once

#include "model/Hub3aRecord.h"

#include <QString>

class SettingsStore;
class TForm3;
class UserDialogs;

// The payments book at the print dialog: before the HUB-3A slip is printed, a payment the book holds
// as paid within the clerk's window is asked about ("Ovaj nalog je već plaćen ... Ipak platiti?");
// once printed, the slip is recorded. A book that cannot be written stops the print with its
// message, so no slip leaves unrecorded.
class BookedPrints
{
public:
    BookedPrints(UserDialogs &dialogs, const SettingsStore &store, QString bookPath);

    // Sets the print dialog's hooks.
    void attach(TForm3 &dialog) const;

    bool mayPrint(const Hub3aRecord &slip) const;
    void recordPrinted(const Hub3aRecord &slip, const QString &printer) const;

private:
    UserDialogs &m_dialogs;
    const SettingsStore &m_store;
    QString m_bookPath;
};
