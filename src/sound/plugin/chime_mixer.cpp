#include "chime_mixer.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

// The turned-down mix comes back up to full over this long, so the level
// does not pump between one peak and the next.
constexpr double releaseSeconds = 0.25;

// Slack on top of the sink's buffer for the audio server's own latency.
constexpr int serverSlackMs = 300;

} // namespace

ChimeMixer::ChimeMixer(int sampleRate, QObject* parent)
    : QIODevice(parent), m_sampleRate(sampleRate)
{
    open(QIODevice::ReadOnly | QIODevice::Unbuffered); // hand over no more than asked
}

ChimeMixer::~ChimeMixer()
{
    stopSink();
    delete m_retired; // it reads from this device, which goes now
}

void ChimeMixer::add(QIODevice* source)
{
    if (!m_voices.contains(source))
        m_voices.append(source);
    if (!m_sink)
        startSink();
}

void ChimeMixer::remove(QIODevice* source)
{
    m_voices.removeAll(source);
    if (m_voices.isEmpty())
        stopSink();
}

bool ChimeMixer::isSounding(const QIODevice* source) const
{
    return m_sink && m_sink->state() != QAudio::StoppedState &&
           std::find(m_voices.cbegin(), m_voices.cend(), source) != m_voices.cend();
}

int ChimeMixer::latencyMsecs() const
{
    const qint64 bufferMs =
        m_sink && m_sampleRate > 0 ? m_sink->bufferSize() * 1000 / (2 * qint64{m_sampleRate}) : 0;
    return static_cast<int>(std::clamp<qint64>(2 * bufferMs, 0, 4000)) + serverSlackMs;
}

qint64 ChimeMixer::bytesAvailable() const
{
    return std::numeric_limits<qint32>::max();
}

void ChimeMixer::startSink()
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull() || m_sampleRate <= 0) {
        m_voices.clear();
        return;
    }
    QAudioFormat format;
    format.setSampleRate(m_sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    m_sink = std::make_unique<QAudioSink>(device, format);
    connect(m_sink.get(), &QAudioSink::stateChanged, this, [this](QAudio::State state) {
        // A device that failed or went away: every voice falls silent.
        if (m_sink && state == QAudio::StoppedState && m_sink->error() != QAudio::NoError) {
            m_voices.clear();
            stopSink();
        }
    });
    m_gain = 1;
    m_sink->start(this);
}

void ChimeMixer::stopSink()
{
    if (!m_sink)
        return;
    // Detach first: stop() emits stateChanged, which would call back in here.
    // Deleted later, as this may run inside the sink's own signal (a failed
    // start reports its error from within start()).
    QAudioSink* sink = m_sink.release();
    sink->disconnect(this);
    sink->stop();
    delete m_retired;
    m_retired = sink;
    sink->deleteLater();
}

qint64 ChimeMixer::readData(char* data, qint64 maxSize)
{
    const auto frames = static_cast<size_t>(std::max<qint64>(0, maxSize / 2));
    const auto bytes = static_cast<qint64>(frames * 2);
    m_sum.assign(frames, 0);
    m_samples.resize(frames);
    for (QIODevice* voice : std::as_const(m_voices)) {
        const qint64 got = voice->read(reinterpret_cast<char*>(m_samples.data()), bytes);
        for (size_t i = 0; i < frames && qint64(i * 2) < got; ++i)
            m_sum[i] += m_samples[i];
    }
    qint32 peak = 0;
    for (qint32 value : m_sum)
        peak = std::max(peak, std::abs(value));
    // Down at once to what keeps this stretch under the limit, back up slowly.
    const double wanted = peak > limit ? double(limit) / peak : 1.0;
    const double release = 1.0 / (releaseSeconds * std::max(1, m_sampleRate));
    for (size_t i = 0; i < frames; ++i) {
        m_gain = std::min(wanted, m_gain + release);
        m_samples[i] =
            static_cast<qint16>(std::clamp<long>(std::lround(m_sum[i] * m_gain), -limit, limit));
    }
    std::memcpy(data, m_samples.data(), static_cast<size_t>(bytes));
    return bytes;
}
