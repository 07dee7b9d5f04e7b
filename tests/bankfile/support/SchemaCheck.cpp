#include "SchemaCheck.h"

#include <QDir>
#include <QFile>

#include <libxml/parser.h>
#include <libxml/xmlschemas.h>
#include <libxml/xpath.h>
#include <libxml/xpathInternals.h>

#include <map>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

void collectError(void *context, xmlErrorPtr error)
{
    auto *errors = static_cast<QString *>(context);
    *errors += u"line %1: %2"_s.arg(error->line).arg(QString::fromUtf8(error->message).trimmed()) + u'\n';
}

using Schema = std::unique_ptr<xmlSchema, decltype(&xmlSchemaFree)>;

// The parsed schemas by file, parsed once for the whole test program and freed at its end.
xmlSchemaPtr schemaOf(const QString &schemaFile)
{
    static std::map<QString, Schema> schemas;
    if (const auto found = schemas.find(schemaFile); found != schemas.end())
        return found->second.get();
    const QByteArray path = QFile::encodeName(QDir(pain001Folder()).filePath(schemaFile));
    xmlSchemaParserCtxtPtr parser = xmlSchemaNewParserCtxt(path.constData());
    Schema schema(parser ? xmlSchemaParse(parser) : nullptr, &xmlSchemaFree);
    if (parser)
        xmlSchemaFreeParserCtxt(parser);
    return schemas.emplace(schemaFile, std::move(schema)).first->second.get();
}

using Document = std::unique_ptr<xmlDoc, decltype(&xmlFreeDoc)>;

Document parse(const QByteArray &xml)
{
    return Document(xmlReadMemory(xml.constData(), static_cast<int>(xml.size()), "bankfile.xml", nullptr,
                                  XML_PARSE_NONET),
                    &xmlFreeDoc);
}

} // namespace

QString pain001Folder()
{
    return QDir::cleanPath(QStringLiteral(ZORVAT_PAIN001_DIR));
}

bool pain001FolderExists()
{
    return QDir(pain001Folder()).exists();
}

QString schemaErrors(const QByteArray &xml, const QString &schemaFile)
{
    xmlSchemaPtr schema = schemaOf(schemaFile);
    if (!schema)
        return u"schema %1 cannot be read"_s.arg(schemaFile);
    const Document doc = parse(xml);
    if (!doc)
        return u"not well-formed XML"_s;
    QString errors;
    xmlSchemaValidCtxtPtr validator = xmlSchemaNewValidCtxt(schema);
    xmlSchemaSetValidStructuredErrors(validator, &collectError, &errors);
    const int status = xmlSchemaValidateDoc(validator, doc.get());
    xmlSchemaFreeValidCtxt(validator);
    if (status != 0 && errors.isEmpty())
        errors = u"invalid (%1)"_s.arg(status);
    return errors;
}

QStringList xpathTexts(const QByteArray &xml, const QString &expression)
{
    const Document doc = parse(xml);
    if (!doc)
        return {u"<not well-formed XML>"_s};
    QStringList texts;
    xmlXPathContextPtr context = xmlXPathNewContext(doc.get());
    xmlNodePtr root = xmlDocGetRootElement(doc.get());
    if (root && root->ns)
        xmlXPathRegisterNs(context, reinterpret_cast<const xmlChar *>("p"), root->ns->href);
    const QByteArray query = expression.toUtf8();
    xmlXPathObjectPtr result =
        xmlXPathEvalExpression(reinterpret_cast<const xmlChar *>(query.constData()), context);
    if (result && result->nodesetval) {
        for (int i = 0; i < result->nodesetval->nodeNr; ++i) {
            xmlChar *content = xmlNodeGetContent(result->nodesetval->nodeTab[i]);
            texts.append(QString::fromUtf8(reinterpret_cast<const char *>(content)));
            xmlFree(content);
        }
    } else if (result && result->type == XPATH_NUMBER) {
        texts.append(QString::number(result->floatval));
    }
    if (result)
        xmlXPathFreeObject(result);
    xmlXPathFreeContext(context);
    return texts;
}
