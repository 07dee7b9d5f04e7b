#include "app/SlipFileCommands.h"

#include "app/SlipControls.h"
#include "model/SlipFile.h"
#include "ui/UserDialogs.h"

namespace SlipFileCommands {

void load(UserDialogs &dialogs, SlipControls &fields)
{
    const std::optional<QString> path = dialogs.getOpenFileName(QString());
    if (path)
        loadFile(dialogs, fields, *path);
}

void loadFile(UserDialogs &dialogs, SlipControls &fields, const QString &path)
{
    const std::optional<SlipRecord> record = SlipFile::load(path);
    if (!record) {
        dialogs.showMessage(SlipFile::loadErrorText());
        return;
    }
    fields.setRecord(*record);
}

void save(UserDialogs &dialogs, const SlipControls &fields, SlipKind kind)
{
    const QString title = kind == SlipKind::Uplatnica ? QStringLiteral("Odredite naziv za snimanje uplatnice")
                                                      : QStringLiteral("Odredite naziv za snimanje zorvata");
    const std::optional<QString> path = dialogs.getSaveFileName(title);
    if (path)
        SlipFile::save(*path, fields.record(kind));
}

} // namespace SlipFileCommands
