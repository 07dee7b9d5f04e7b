#pragma once

#include "model/Hub3aRecord.h"

class UserDialogs;

// The HUB-3A tab as what fills it from elsewhere sees it (slips read from invoices, an order the
// bank refused): the slip it holds, and a slip put in its place with the tab brought up.
class Hub3aSlipTab
{
public:
    virtual ~Hub3aSlipTab() = default;
    virtual Hub3aRecord hub3aData() const = 0;
    virtual void showHub3aRecord(const Hub3aRecord &record) = 0;
};

// Puts slip into the tab, its empty payer fields taking the tab's payer, after asking ("HUB-3A
// kartica već sadrži nalog. Zamijeniti ga nalogom <whose>?") when the tab holds a slip of its own.
// False when the clerk keeps the tab's slip.
bool openInHub3aTab(Hub3aSlipTab &tab, UserDialogs &dialogs, const Hub3aRecord &slip, const QString &whose);
