#include "pcm_source.h"

#include <algorithm>
#include <cstring>
#include <limits>

PcmSource::PcmSource(QByteArray pcm, qsizetype loopGapBytes, QObject* parent)
    : QIODevice(parent), m_pcm(std::move(pcm)), m_gap(loopGapBytes)
{}

void PcmSource::restart(bool loop)
{
    m_loop = loop;
    m_position = 0;
    ++m_round;
    if (!isOpen())
        open(QIODevice::ReadOnly | QIODevice::Unbuffered); // hand over no more than asked
}

qint64 PcmSource::bytesAvailable() const
{
    return std::numeric_limits<qint32>::max();
}

qint64 PcmSource::readData(char* data, qint64 maxSize)
{
    const qsizetype end = m_pcm.size();
    const qsizetype cycle = end + m_gap;
    qint64 written = 0;
    while (written < maxSize) {
        if (m_loop && m_position >= cycle)
            m_position = 0;
        const qint64 room = maxSize - written;
        qint64 chunk;
        if (m_position < end) {
            chunk = std::min<qint64>(room, end - m_position);
            std::memcpy(data + written, m_pcm.constData() + m_position, static_cast<size_t>(chunk));
            if (!m_loop && m_position + chunk == end)
                Q_EMIT handedOver(m_round);
        } else {
            chunk = m_loop && cycle > 0 ? std::min<qint64>(room, cycle - m_position) : room;
            std::memset(data + written, 0, static_cast<size_t>(chunk));
        }
        written += chunk;
        // Past the end of a single sound only the fact matters, not how far.
        m_position = std::min(m_position + static_cast<qsizetype>(chunk), cycle);
    }
    return written;
}
