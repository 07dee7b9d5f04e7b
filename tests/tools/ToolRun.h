#pragma once

#include "RenderTool.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QTextStream>

#include <gtest/gtest.h>

// zorprint-render run in the test's process: its exit status and what it wrote.
struct ToolRun
{
    int status;
    QString out, errors;
};

inline ToolRun render(const QStringList &arguments)
{
    ToolRun run;
    QTextStream out(&run.out), errors(&run.errors);
    run.status = runRenderTool(QStringList{QStringLiteral("zorprint-render")} + arguments, out, errors);
    return run;
}

// The operations of an ops file, one JSON object a line.
inline QList<QJsonObject> readOps(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QList<QJsonObject> ops;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.isEmpty())
            continue;
        const QJsonDocument doc = QJsonDocument::fromJson(line);
        EXPECT_TRUE(doc.isObject()) << line.toStdString();
        ops.append(doc.object());
    }
    return ops;
}
