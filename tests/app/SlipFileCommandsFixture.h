#pragma once

#include "WindowFixture.h"

#include <QFile>

// The main window with slip files written to and read from its temporary folder.
class SlipFileCommandsTest : public WindowFixture
{
protected:
    QString path(const char *name) const { return dir.filePath(QLatin1StringView(name)); }
    void writeFile(const QString &file, const QByteArray &bytes)
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    void load(const QString &file)
    {
        dialogs.setNextFileName(file);
        app()->runReportingErrors([&] { trigger("Uitaj1"); });
    }
};
