#include "pcm_source.h"

#include <algorithm>
#include <cstring>

PcmSource::PcmSource(QByteArray pcm, qsizetype loopGapBytes, QObject* parent)
    : QIODevice(parent), m_pcm(std::move(pcm)), m_gap(loopGapBytes)
{}

void PcmSource::restart(bool loop)
{
    m_loop = loop;
    m_position = 0;
    if (!isOpen())
        open(QIODevice::ReadOnly);
}

qint64 PcmSource::bytesAvailable() const
{
    if (m_loop)
        return std::numeric_limits<qint32>::max();
    return (m_pcm.size() - m_position) + QIODevice::bytesAvailable();
}

qint64 PcmSource::readData(char* data, qint64 maxSize)
{
    qint64 written = 0;
    const qsizetype cycle = m_pcm.size() + (m_loop ? m_gap : 0);
    while (written < maxSize && !m_pcm.isEmpty()) {
        if (m_position >= cycle) {
            if (!m_loop)
                break;
            m_position = 0;
        }
        const qint64 room = maxSize - written;
        qint64 chunk;
        if (m_position < m_pcm.size()) {
            chunk = std::min<qint64>(room, m_pcm.size() - m_position);
            std::memcpy(data + written, m_pcm.constData() + m_position, static_cast<size_t>(chunk));
        } else {
            chunk = std::min<qint64>(room, cycle - m_position);
            std::memset(data + written, 0, static_cast<size_t>(chunk));
        }
        written += chunk;
        m_position += static_cast<qsizetype>(chunk);
    }
    return written;
}
