#include "audio_chime_backend.h"

#include "audio_chime_player.h"

std::unique_ptr<ChimePlayer> AudioChimeBackend::player(QByteArray pcm16, int sampleRate)
{
    return std::make_unique<AudioChimePlayer>(std::move(pcm16), sampleRate);
}
