#include "app/SlipFileCommands.h"

#include "app/Hub3aTab.h"
#include "app/SlipControls.h"
#include "model/Hub3aRules.h"
#include "model/SlipFile.h"
#include "payments/Hub3aChecks.h"
#include "ui/UserDialogs.h"

#include <QFileInfo>

namespace SlipFileCommands {

Loaded load(UserDialogs &dialogs, SlipControls &fields, Hub3aTab &hub3a)
{
    const std::optional<QString> path = dialogs.getOpenFileName(QString());
    return path ? loadFile(dialogs, fields, hub3a, *path) : Loaded::Nothing;
}

Loaded loadFile(UserDialogs &dialogs, SlipControls &fields, Hub3aTab &hub3a, const QString &path)
{
    if (const std::optional<SlipRecord> record = SlipFile::load(path)) {
        fields.setRecord(*record);
        return Loaded::OlderForm;
    }
    if (const std::optional<Hub3aRecord> record = SlipFile::loadHub3a(path)) {
        hub3a.setRecord(*record);
        // A model typed as its digits and an amount with a decimal point are read as the tab reads
        // them when typed; the fields then show that, and the message says so.
        const Hub3aRecord read = hub3a.record();
        QStringList lines;
        for (const Hub3aFieldSpec &fieldEntry : hub3aFields()) {
            if (read[fieldEntry.field] != (*record)[fieldEntry.field])
                lines.append(
                    QStringLiteral("%1: '%2' čita se kao '%3'")
                        .arg(fieldEntry.label(), (*record)[fieldEntry.field], read[fieldEntry.field]));
        }
        if (!lines.isEmpty())
            hub3a.setRecord(read);
        // The fields keep what the file says, so the clerk sees what is wrong and mends it; the
        // one check keeps such a slip from every output until then. A field not filled in yet is
        // no fault of the file.
        for (const Hub3aProblem &problem : hub3aSlipProblems(read)) {
            if (problem.rule != Hub3aRule::Missing)
                lines.append(hub3aProblemLine(problem));
        }
        if (!lines.isEmpty())
            dialogs.showMessage(QStringLiteral("Nalog iz datoteke %1 nije ispravan:\n%2")
                                    .arg(QFileInfo(path).fileName(), lines.join(u'\n')));
        return Loaded::Hub3a;
    }
    dialogs.showMessage(SlipFile::loadErrorText());
    return Loaded::Nothing;
}

void save(UserDialogs &dialogs, const SlipControls &fields, SlipKind kind)
{
    const QString title = kind == SlipKind::Uplatnica ? QStringLiteral("Odredite naziv za snimanje uplatnice")
                                                      : QStringLiteral("Odredite naziv za snimanje zorvata");
    const std::optional<QString> path = dialogs.getSaveFileName(title);
    if (path)
        SlipFile::save(*path, fields.record(kind));
}

void saveHub3a(UserDialogs &dialogs, const Hub3aRecord &record)
{
    const std::optional<QString> path =
        dialogs.getSaveFileName(QStringLiteral("Odredite naziv za snimanje HUB-3A naloga"));
    if (path)
        SlipFile::save(*path, record);
}

} // namespace SlipFileCommands
