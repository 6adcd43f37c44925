#include "audio_chime_output.h"

#include "audio_chime_player.h"
#include "sound/chime_synth.h"

#include <QCoreApplication>

std::unique_ptr<ChimePlayer> AudioChimeOutput::player(const QString& name)
{
    auto found = m_rendered.constFind(name);
    if (found == m_rendered.constEnd())
        found = m_rendered.insert(name, ChimeSynth::renderPcm16(name));
    if (found->isEmpty())
        return nullptr;
    // Gone with the application, before Qt Multimedia's own teardown at
    // exit, which the audio thread must not be inside of.
    if (!m_mixer)
        m_mixer = new ChimeMixer(ChimeSynth::sampleRate, QCoreApplication::instance());
    return std::make_unique<AudioChimePlayer>(*found, ChimeSynth::sampleRate, *m_mixer);
}
