#include "bankfile/BoundedXmlWalk.h"

using namespace Qt::StringLiterals;

BoundedXmlWalk::BoundedXmlWalk(BoundedXmlInput &input, QString document)
    : m_input(input), m_xml(&input), m_document(std::move(document))
{
}

UserError BoundedXmlWalk::notTheDocument(const QString &why) const
{
    return UserError(
        u"Datoteka nije %1: %2"_s.arg(m_document, m_input.refusal().isEmpty() ? why : m_input.refusal()));
}

void BoundedXmlWalk::refuseDtd(QXmlStreamReader::TokenType token) const
{
    if (token == QXmlStreamReader::DTD || token == QXmlStreamReader::EntityReference)
        throw notTheDocument(u"ima DTD ili entitete"_s);
}

void BoundedXmlWalk::refuseSize(qint64 largest) const
{
    if (m_input.size() > largest)
        throw notTheDocument(u"veća je od %1 MB"_s.arg(largest >> 20));
}

void BoundedXmlWalk::refuseDeeper(qsizetype depth, int deepest) const
{
    if (depth >= deepest)
        throw notTheDocument(u"elementi su ugniježđeni dublje od %1 razina"_s.arg(deepest));
}

bool BoundedXmlWalk::walk()
{
    while (!m_xml.atEnd() && !m_input.stopped()) {
        const QXmlStreamReader::TokenType token = m_xml.readNext();
        if (token == QXmlStreamReader::StartElement)
            enter();
        else if (token == QXmlStreamReader::EndElement)
            leave();
        else if (token == QXmlStreamReader::Characters)
            takeText();
        else
            refuseDtd(token);
    }
    if (m_input.cancelled())
        return false;
    if (m_xml.hasError() || m_input.stopped())
        throw notTheDocument(m_xml.errorString());
    return true;
}

void BoundedXmlWalk::takeText()
{
    m_text += m_xml.text().left(longestText - m_text.size());
}
