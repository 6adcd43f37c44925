#include "audio_chime_player.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

#include <algorithm>

namespace {

// Half a second of silence between repetitions of a looping chime.
qsizetype loopGapBytes(int sampleRate)
{
    return sampleRate; // 16-bit mono
}

// Slack on top of the sink's buffer for the audio server's own latency.
constexpr int serverSlackMs = 300;

} // namespace

AudioChimePlayer::AudioChimePlayer(QByteArray pcm16, int sampleRate, QObject* parent)
    : QObject(parent), m_sampleRate(sampleRate),
      m_source(std::move(pcm16), loopGapBytes(sampleRate))
{
    m_drained.setSingleShot(true);
    connect(&m_drained, &QTimer::timeout, this, &AudioChimePlayer::stop);
    connect(&m_source, &PcmSource::handedOver, this, &AudioChimePlayer::drain);
}

AudioChimePlayer::~AudioChimePlayer()
{
    stop();
    delete m_retired; // it reads from m_source, which goes now
}

void AudioChimePlayer::play(bool loop)
{
    stop();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull() || m_sampleRate <= 0)
        return;
    QAudioFormat format;
    format.setSampleRate(m_sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    m_sink = std::make_unique<QAudioSink>(device, format);
    connect(m_sink.get(), &QAudioSink::stateChanged, this, [this](QAudio::State state) {
        // A device that failed or went away.
        if (m_sink && state == QAudio::StoppedState && m_sink->error() != QAudio::NoError)
            stop();
    });
    m_source.restart(loop);
    m_sink->start(&m_source);
}

// The last sample is on its way: everything still queued in the sink and the
// server plays within their buffers' length, while silence keeps the stream
// going. Stopping sooner would drop the sound's end.
void AudioChimePlayer::drain()
{
    if (!m_sink || m_drained.isActive())
        return;
    const qint64 bufferMs = m_sink->bufferSize() * 1000 / (2 * qint64{m_sampleRate});
    m_drained.start(static_cast<int>(std::clamp<qint64>(2 * bufferMs, 0, 4000)) + serverSlackMs);
}

void AudioChimePlayer::stop()
{
    m_drained.stop();
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

bool AudioChimePlayer::isPlaying() const
{
    return m_sink && m_sink->state() != QAudio::StoppedState;
}
