#include "audio_chime_output.h"

#include "audio_chime_player.h"
#include "chime_synth.h"
#include "model/reminder.h"

std::unique_ptr<ChimePlayer> AudioChimeOutput::player(const QString& name)
{
    if (!systemSounds().contains(name))
        return nullptr;
    auto found = m_rendered.constFind(name);
    if (found == m_rendered.constEnd())
        found = m_rendered.insert(name, ChimeSynth::renderPcm16(name));
    return std::make_unique<AudioChimePlayer>(*found);
}

ChimeOutput& ChimeOutput::standard()
{
    static AudioChimeOutput output;
    return output;
}
