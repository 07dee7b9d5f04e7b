#pragma once

#include <QByteArray>
#include <QIODevice>

// Collects the bytes of the XML writer and hands them on in large pieces: the writer's many small
// writes would otherwise each go through the save file's checks.
class ChunkDevice final : public QIODevice
{
public:
    explicit ChunkDevice(QIODevice &target);
    ~ChunkDevice() override;
    // Hands on what is collected; failed() tells whether the target took it all.
    void flushChunk();
    bool failed() const { return m_failed; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override;

private:
    static constexpr qsizetype chunkSize = 1 << 16;
    QIODevice &m_target;
    QByteArray m_chunk;
    bool m_failed = false;
};
