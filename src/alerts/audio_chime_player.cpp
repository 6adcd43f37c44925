#include "audio_chime_player.h"

#include "chime_synth.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

namespace {

QAudioFormat chimeFormat()
{
    QAudioFormat format;
    format.setSampleRate(ChimeSynth::sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

// Half a second of silence between repetitions of a looping chime.
constexpr qsizetype loopGapBytes = ChimeSynth::sampleRate; // 0.5 s of 16-bit samples

} // namespace

AudioChimePlayer::AudioChimePlayer(QByteArray pcm, QObject* parent)
    : QObject(parent), m_source(std::move(pcm), loopGapBytes)
{}

AudioChimePlayer::~AudioChimePlayer()
{
    stop();
}

void AudioChimePlayer::play(bool loop)
{
    stop();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return;
    m_sink = std::make_unique<QAudioSink>(device, chimeFormat());
    connect(m_sink.get(), &QAudioSink::stateChanged, this, [this](QAudio::State state) {
        // A one-shot chime that has run out, or a device that failed.
        if (m_sink && (state == QAudio::IdleState ||
                       (state == QAudio::StoppedState && m_sink->error() != QAudio::NoError)))
            stop();
    });
    m_source.restart(loop);
    m_sink->start(&m_source);
}

void AudioChimePlayer::stop()
{
    if (!m_sink)
        return;
    // Detach first: stop() emits stateChanged, which would call back in here.
    auto sink = std::move(m_sink);
    sink->disconnect(this);
    sink->stop();
}

bool AudioChimePlayer::isPlaying() const
{
    return m_sink && m_sink->state() == QAudio::ActiveState;
}
