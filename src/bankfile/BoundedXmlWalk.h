#pragma once

#include "bankfile/BoundedXmlInput.h"
#include "model/UserError.h"

#include <QXmlStreamReader>

// The walk through a bounded XML document that the bank's answer, the statements and the e-invoices
// share: token by token from the element below the root to the end, a DTD or entities refused (no
// entity may expand without bound), nesting and texts bounded. A reader says what its document is
// ("izvješće banke pain.002") and what each element means (enter, leave, text).
class BoundedXmlWalk
{
public:
    BoundedXmlWalk(const BoundedXmlWalk &) = delete;
    BoundedXmlWalk &operator=(const BoundedXmlWalk &) = delete;

protected:
    BoundedXmlWalk(BoundedXmlInput &input, QString document);
    virtual ~BoundedXmlWalk() = default;

    // "Datoteka nije <document>: why", the input's own refusal first: the reader only saw the
    // document end early.
    UserError notTheDocument(const QString &why) const;
    void refuseDtd(QXmlStreamReader::TokenType token) const;
    // Refuses a document larger than largest bytes.
    void refuseSize(qint64 largest) const;
    // Refuses an element opened at depth when depth has reached deepest.
    void refuseDeeper(qsizetype depth, int deepest) const;

    // Reads the tokens to the document's end; false when the input was cancelled. A broken
    // document throws notTheDocument.
    bool walk();

    virtual void enter() = 0; // at a start element
    virtual void leave() = 0; // at an end element
    // At characters: kept in m_text up to longestText.
    virtual void takeText();

    static constexpr qsizetype longestText = 1000;

    BoundedXmlInput &m_input;
    QXmlStreamReader m_xml;
    QString m_text;

private:
    QString m_document;
};
