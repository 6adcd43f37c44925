#include "audio_chime_player.h"

#include "chime_mixer.h"

namespace {

// Half a second of silence between repetitions of a looping chime.
qsizetype loopGapBytes(int sampleRate)
{
    return sampleRate; // 16-bit mono
}

} // namespace

AudioChimePlayer::AudioChimePlayer(QByteArray pcm16, int sampleRate, ChimeMixer& mixer,
                                   QObject* parent)
    : QObject(parent), m_source(std::move(pcm16), loopGapBytes(sampleRate)), m_mixer(&mixer)
{
    m_drained.setSingleShot(true);
    connect(&m_drained, &QTimer::timeout, this, &AudioChimePlayer::stop);
    connect(&m_source, &PcmSource::handedOver, this, &AudioChimePlayer::drain);
}

AudioChimePlayer::~AudioChimePlayer()
{
    stop();
}

void AudioChimePlayer::play(bool loop)
{
    stop();
    if (!m_mixer)
        return;
    m_source.restart(loop);
    m_mixer->add(&m_source);
}

// The last sample is on its way: the sink and the server play it within
// their buffers' length, while the voice's silence keeps it in the mix.
// Leaving sooner would drop the sound's end when it is the last voice.
void AudioChimePlayer::drain(quint64 round)
{
    // From the mixer's thread, perhaps after the sound was started again.
    if (round != m_source.round())
        return;
    if (m_mixer && !m_drained.isActive())
        m_drained.start(m_mixer->latencyMsecs());
}

void AudioChimePlayer::stop()
{
    m_drained.stop();
    if (m_mixer)
        m_mixer->remove(&m_source);
}

bool AudioChimePlayer::isPlaying() const
{
    return m_mixer && m_mixer->isSounding(&m_source);
}
