#pragma once

#include "FileBytes.h"
#include "RenderTool.h"

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

// The report's lines among the tool's messages: JSON objects, one a line.
inline QStringList reportLines(const QString &errors)
{
    QStringList lines = errors.split(u'\n', Qt::SkipEmptyParts);
    lines.removeIf([](const QString &line) { return !line.startsWith(u'{'); });
    return lines;
}

// The operations of an ops file, one JSON object a line.
inline QList<QJsonObject> readOps(const QString &path)
{
    const QByteArray bytes = fileBytes(path);
    EXPECT_FALSE(bytes.isEmpty()) << path.toStdString();
    QList<QJsonObject> ops;
    for (const QByteArray &line : bytes.split('\n')) {
        if (line.isEmpty())
            continue;
        const QJsonDocument doc = QJsonDocument::fromJson(line);
        EXPECT_TRUE(doc.isObject()) << line.toStdString();
        ops.append(doc.object());
    }
    return ops;
}
