#pragma once

#include <QIODevice>
#include <QString>

#include <functional>

// The bytes of an XML document on their way to a QXmlStreamReader, looked at before the reader sees
// them: a start tag with more than mostAttributes attributes (namespace declarations included) or a
// document type declaration ends the input there, as does the caller's cancel. The reader then stops
// at a premature end, and refusal() or cancelled() says why. A reader that parses every tag whole
// before it reports it would otherwise spend minutes on one tag of a few megabytes.
class BoundedXmlInput final : public QIODevice
{
public:
    struct Hooks
    {
        std::function<void(qint64 bytesRead, qint64 size)> progress; // at every read
        std::function<bool()> cancelRequested;                       // asked at every read
    };

    BoundedXmlInput(QIODevice &source, int mostAttributes, Hooks hooks = {});
    ~BoundedXmlInput() override;

    // Why the input was cut short (in Croatian; also a source that could not be read), empty when it
    // was not.
    const QString &refusal() const { return m_refusal; }
    bool cancelled() const { return m_cancelled; }

    qint64 size() const override { return m_source.size(); }
    // At the end also when cut short: a reader would otherwise wait for the rest.
    bool atEnd() const override { return stopped() || QIODevice::atEnd(); }
    bool stopped() const { return !m_refusal.isEmpty() || m_cancelled; }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    enum class State { Text, Open, Bang, StartTag, Quoted, EndTag, Comment, CData, Instruction };

    // Follows the markup through one byte; false when the byte breaks a bound.
    bool take(char byte);

    QIODevice &m_source;
    const int m_mostAttributes;
    Hooks m_hooks;
    State m_state = State::Text;
    char m_quote = 0;
    char m_previous[2] = {0, 0}; // the two bytes before, for the ends of comments and CDATA
    int m_attributes = 0;
    QString m_refusal;
    bool m_cancelled = false;
};
