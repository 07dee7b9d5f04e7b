#include "app/Hub3aSlipTab.h"

#include "batch/ScannedSlips.h"
#include "ui/UserDialogs.h"

bool openInHub3aTab(Hub3aSlipTab &tab, UserDialogs &dialogs, const Hub3aRecord &slip, const QString &whose)
{
    const Hub3aRecord held = tab.hub3aData();
    if (ScannedSlips::tabHoldsSlip(held) &&
        !dialogs.askYesNo(
            QStringLiteral("HUB-3A kartica već sadrži nalog. Zamijeniti ga nalogom %1?").arg(whose)))
        return false;
    tab.showHub3aRecord(ScannedSlips::onTab(slip, held));
    return true;
}
