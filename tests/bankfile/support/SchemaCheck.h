#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Checks of the bank files against the schemas in the shared reference folder (libxml2).

// The folder of the Croatian schemas (../shared/pain001 beside the sources).
QString pain001Folder();
bool pain001FolderExists();

// The validation errors of xml against the schema file of that folder ("scthr_pain.001.001.09.xsd"),
// one a line; empty when the document is valid.
QString schemaErrors(const QByteArray &xml, const QString &schemaFile);

// The texts of the nodes that an XPath expression selects in xml; the document's namespace is
// bound to the prefix "p" ("/p:Document/p:CstmrCdtTrfInitn/p:GrpHdr/p:MsgId").
QStringList xpathTexts(const QByteArray &xml, const QString &expression);

// Expects xml to be valid against the schema; skips the check, naming the folder, when the
// reference folder is absent.
#define EXPECT_SCHEMA_VALID(xml, schemaFile)                                                                \
    do {                                                                                                   \
        if (!pain001FolderExists()) {                                                                      \
            GTEST_SKIP() << "schema check skipped: no folder " << pain001Folder().toStdString();           \
        }                                                                                                  \
        EXPECT_EQ(schemaErrors((xml), QStringLiteral(schemaFile)).toStdString(), std::string());           \
    } while (false)
