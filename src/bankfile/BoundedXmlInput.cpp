#include "bankfile/BoundedXmlInput.h"

using namespace Qt::StringLiterals;

BoundedXmlInput::BoundedXmlInput(QIODevice &source, int mostAttributes, Hooks hooks)
    : m_source(source), m_mostAttributes(mostAttributes), m_hooks(std::move(hooks))
{
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

BoundedXmlInput::~BoundedXmlInput() = default;

qint64 BoundedXmlInput::readData(char *data, qint64 maxSize)
{
    if (stopped())
        return -1;
    if (m_hooks.cancelRequested && m_hooks.cancelRequested()) {
        m_cancelled = true;
        return -1;
    }
    const qint64 count = m_source.read(data, maxSize);
    if (count < 0)
        m_refusal = u"Stream read error"_s;
    if (count <= 0)
        return count;
    for (qint64 i = 0; i < count; ++i) {
        if (!take(data[i]))
            return -1;
    }
    if (m_hooks.progress)
        m_hooks.progress(m_source.pos(), m_source.size());
    return count;
}

bool BoundedXmlInput::take(char byte)
{
    const bool afterTwo = m_previous[0] == m_previous[1];
    const char before = m_previous[1];
    m_previous[0] = m_previous[1];
    m_previous[1] = byte;
    switch (m_state) {
    case State::Text:
        if (byte == '<')
            m_state = State::Open;
        break;
    case State::Open:
        m_attributes = 0;
        m_state = byte == '/'   ? State::EndTag
                  : byte == '?' ? State::Instruction
                  : byte == '!' ? State::Bang
                  : byte == '>' ? State::Text
                                : State::StartTag;
        break;
    case State::Bang:
        if (byte == '-') {
            m_state = State::Comment;
            m_previous[1] = 0; // the dashes of "<!--" do not end the comment
        } else if (byte == '[') {
            m_state = State::CData;
        } else {
            // <!DOCTYPE, <!ENTITY and the like: a document that needs no declarations has none.
            m_refusal = u"ima DTD ili entitete"_s;
            return false;
        }
        break;
    case State::StartTag:
        if (byte == '"' || byte == '\'') {
            m_quote = byte;
            m_state = State::Quoted;
        } else if (byte == '=' && ++m_attributes > m_mostAttributes) {
            m_refusal = u"element ima više od %1 atributa"_s.arg(m_mostAttributes);
            return false;
        } else if (byte == '>') {
            m_state = State::Text;
        }
        break;
    case State::Quoted:
        if (byte == m_quote)
            m_state = State::StartTag;
        break;
    case State::EndTag:
        if (byte == '>')
            m_state = State::Text;
        break;
    case State::Comment:
        if (byte == '>' && afterTwo && before == '-')
            m_state = State::Text;
        break;
    case State::CData:
        if (byte == '>' && afterTwo && before == ']')
            m_state = State::Text;
        break;
    case State::Instruction:
        if (byte == '>' && before == '?')
            m_state = State::Text;
        break;
    }
    return true;
}
