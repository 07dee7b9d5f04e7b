#include "bankfile/ChunkDevice.h"

ChunkDevice::ChunkDevice(QIODevice &target) : m_target(target)
{
    open(QIODevice::WriteOnly);
}

ChunkDevice::~ChunkDevice()
{
    flushChunk();
}

void ChunkDevice::flushChunk()
{
    if (!m_chunk.isEmpty() && m_target.write(m_chunk) != m_chunk.size())
        m_failed = true;
    m_chunk.clear();
}

qint64 ChunkDevice::writeData(const char *data, qint64 size)
{
    m_chunk.append(data, size);
    if (m_chunk.size() >= chunkSize)
        flushChunk();
    return size;
}
